#pragma once
// The processing-data, batch and producer windows for the commands that run
// on the machine thread: each call is shown modally on the window thread
// while the machine thread waits for the choice.

#include <QWidget>

#include "app/WindowThreadGate.h"
#include "supervisor/BatchWindows.h"

namespace kv7::batches {
class TListaBolla;
class TListaProduttori;
class TModDati;
class TNewBolla;
class TProduttori;
class Texpfiltdata;
}  // namespace kv7::batches

namespace kv7::app {

class BatchWindowsBridge final : public supervisor::BatchWindows {
 public:
  // The windows are created here, so construct it on the window thread.
  BatchWindowsBridge(QWidget& parent, WindowThreadGate& gate);

  std::optional<supervisor::ProcessingOutcome> EditProcessing(
      const batches::ProcessingData& data, const std::vector<batches::Producer>& producers) override;
  std::optional<std::int64_t> ChooseBatch(const batches::BatchList& list) override;
  std::optional<batches::BatchWorkingSet> EditBatch(const batches::BatchEditorInput& input) override;
  std::optional<batches::Producer> ChooseProducer(const std::vector<batches::Producer>& list) override;
  std::optional<supervisor::EditedProducer> EditProducer(const std::string& code,
                                                         const std::string& description) override;
  std::optional<supervisor::ExportRangeChoice> ChooseExportRange() override;

  // The weight unit changed (the program parameters): the editor's unit
  // labels follow. Callable from any thread.
  void SetUnits(bool grams);

  batches::TModDati& ProcessingData() { return *modDati_; }
  batches::TListaBolla& BatchList() { return *batchList_; }
  batches::TNewBolla& BatchEditor() { return *editor_; }
  batches::TListaProduttori& ProducerList() { return *producerList_; }
  batches::TProduttori& Producer() { return *producer_; }
  batches::Texpfiltdata& ExportFilter() { return *exportFilter_; }

 private:
  WindowThreadGate& gate_;
  QWidget& parent_;
  batches::TModDati* modDati_;
  batches::TListaBolla* batchList_;
  batches::TNewBolla* editor_;
  batches::TListaProduttori* producerList_;
  batches::TProduttori* producer_;
  batches::Texpfiltdata* exportFilter_;
};

}  // namespace kv7::app
