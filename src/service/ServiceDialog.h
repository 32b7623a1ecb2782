#pragma once
// The common part of the service windows: modal to the console but shown
// without a nested event loop, so the machine thread's records keep coming;
// its buttons' requests go out through the poster; closing it by any means
// (button, title bar, Escape) posts one ServiceClosed. Texts keep their
// Italian sources, so a language switch redraws them.

#include <QDialog>

#include <functional>

#include "service/ServiceTypes.h"

class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;

namespace kv7::service {

class ServiceDialog : public QDialog {
  Q_OBJECT
 public:
  using Poster = std::function<void(const ServiceRequest&)>;

  ServiceDialog(QWidget* parent, ServiceWindow kind);
  ServiceWindow Kind() const { return kind_; }
  void SetPoster(Poster poster) { poster_ = std::move(poster); }

  // Fills the window from `opening` and shows it.
  void Open(const ServiceOpening& opening);
  // A record of the machine thread for this window.
  virtual void Show(const ServiceRecord& record) = 0;
  // The session ended on the machine side: closes without posting.
  void CloseQuietly();

  void done(int result) override;

 protected:
  virtual void Prepare(const ServiceOpening& opening) = 0;
  // What the closing carries besides the window and how it closed.
  virtual void FillClosing(ServiceClosed& /*closed*/) const {}
  void Post(const ServiceRequest& request) const;

  // Window parts with translated Italian sources (context: the window's class).
  void SetTitle(const char* source);
  QLabel* Text(const char* source);
  QPushButton* Button(const char* source);
  // "L n", the label of weighing line n.
  QLabel* LineLabel(int line, QWidget* parent);
  // A display field named after its control; read-only unless `editable`.
  QLineEdit* Field(const QString& name, bool editable = false);
  void changeEvent(QEvent* event) override;

 private:
  void RetranslateTitle();

  ServiceWindow kind_;
  Poster poster_;
  const char* title_ = "";
  bool quiet_ = false;
};

}  // namespace kv7::service
