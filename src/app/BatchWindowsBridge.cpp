#include "app/BatchWindowsBridge.h"

#include "batches/TListaBolla.h"
#include "batches/TListaProduttori.h"
#include "batches/TModDati.h"
#include "batches/TNewBolla.h"
#include "batches/TProduttori.h"
#include "batches/Texpfiltdata.h"

namespace kv7::app {

using supervisor::EditedProducer;
using supervisor::ProcessingOutcome;

BatchWindowsBridge::BatchWindowsBridge(QWidget& parent, WindowThreadGate& gate)
    : gate_(gate),
      parent_(parent),
      modDati_(new batches::TModDati(&parent)),
      batchList_(new batches::TListaBolla(&parent)),
      editor_(new batches::TNewBolla(&parent)),
      producerList_(new batches::TListaProduttori(&parent)),
      producer_(new batches::TProduttori(&parent)),
      exportFilter_(new batches::Texpfiltdata(&parent)) {}

std::optional<ProcessingOutcome> BatchWindowsBridge::EditProcessing(const batches::ProcessingData& data,
                                                                    const std::vector<batches::Producer>& producers) {
  using Result = std::optional<ProcessingOutcome>;
  return gate_.Call<Result>(
      [this, data, producers]() -> Result {
        modDati_->Fill(data);
        modDati_->SetProducers(producers);
        const bool ok = modDati_->exec() == QDialog::Accepted;
        return ProcessingOutcome{ok, modDati_->Data()};
      },
      std::nullopt);
}

std::optional<std::int64_t> BatchWindowsBridge::ChooseBatch(const batches::BatchList& list) {
  using Result = std::optional<std::int64_t>;
  return gate_.Call<Result>(
      [this, list]() -> Result {
        batchList_->SetBatches(list);
        if (batchList_->exec() != QDialog::Accepted) return std::nullopt;
        return batchList_->Selected();
      },
      std::nullopt);
}

std::optional<batches::BatchWorkingSet> BatchWindowsBridge::EditBatch(const batches::BatchEditorInput& input) {
  using Result = std::optional<batches::BatchWorkingSet>;
  return gate_.Call<Result>(
      [this, input]() -> Result {
        batches::BatchEditorInput resolved = input;
        batches::TNewBolla::ResolveProgram(&parent_, resolved);
        editor_->Fill(resolved);
        if (editor_->exec() != QDialog::Accepted) return std::nullopt;
        return editor_->Result();
      },
      std::nullopt);
}

std::optional<batches::Producer> BatchWindowsBridge::ChooseProducer(const std::vector<batches::Producer>& list) {
  using Result = std::optional<batches::Producer>;
  return gate_.Call<Result>(
      [this, list]() -> Result {
        producerList_->SetProducers(list);
        if (producerList_->exec() != QDialog::Accepted) return std::nullopt;
        return producerList_->Selected();
      },
      std::nullopt);
}

std::optional<EditedProducer> BatchWindowsBridge::EditProducer(const std::string& code,
                                                              const std::string& description) {
  using Result = std::optional<EditedProducer>;
  return gate_.Call<Result>(
      [this, code, description]() -> Result {
        producer_->Fill(code, description);
        if (producer_->exec() != QDialog::Accepted) return std::nullopt;
        return EditedProducer{producer_->Number(), producer_->Description()};
      },
      std::nullopt);
}

void BatchWindowsBridge::SetUnits(bool grams) {
  gate_.Post([this, grams] { editor_->SetUnits(grams); });
}

std::optional<supervisor::ExportRangeChoice> BatchWindowsBridge::ChooseExportRange() {
  using Result = std::optional<supervisor::ExportRangeChoice>;
  return gate_.Call<Result>(
      [this]() -> Result {
        exportFilter_->Reset();
        if (exportFilter_->exec() != QDialog::Accepted) return std::nullopt;
        return supervisor::ExportRangeChoice{exportFilter_->From(), exportFilter_->To(), exportFilter_->Header()};
      },
      std::nullopt);
}

}  // namespace kv7::app
