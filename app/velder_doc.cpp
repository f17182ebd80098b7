// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/velder_doc.h"

#include <QDialog>

#include "app/batch_test_numbers.h"
#include "app/message_box.h"
#include "document/document.h"

namespace kores {

CVelderDoc::CVelderDoc(QObject* parent)
    : QObject(parent),
      model_(std::make_unique<ko::CDocument>()),
      batch_(std::make_shared<CBatchTestNumbers>())
{
}

CVelderDoc::~CVelderDoc() = default;

ko::TestKind CVelderDoc::GetKind() const
{
    return model_->GetKind();
}

void CVelderDoc::OnFileOpen()
{
    batch_->SetAllowedKinds(ko::kLoadableKinds);
    if (batch_->Run() != QDialog::Accepted) return;
    LoadFromBatch();
}

bool CVelderDoc::LoadFromBatch()
{
    model_->SetAgent(batch_->GetAgent());
    switch (batch_->GetDatabase()->GetKind()) {
        case ko::TestKind::Biomechanics: model_->SetTests(batch_->GetBioTests()); break;
        case ko::TestKind::Component: model_->SetTests(batch_->GetComTests()); break;
        case ko::TestKind::Vehicle: model_->SetTests(batch_->GetVehicleTests()); break;
        default: return false;
    }
    UpdateAllViews(kHintLoaded);
    return true;
}

void CVelderDoc::SelectTitle(const std::vector<std::string>& fieldTexts)
{
    CWaitCursor wait;
    if (model_->SelectTitle(fieldTexts)) UpdateAllViews(kHintSignals);
}

void CVelderDoc::Reload()
{
    CWaitCursor wait;
    model_->Reload();
    UpdateAllViews(kHintSignals);
}

void CVelderDoc::UpdateAllViews(int hint)
{
    Q_EMIT Updated(hint);
}

}  // namespace kores
