#include "frmPreview.h"

#include "text/ShownText.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QSplitter>
#include <QVBoxLayout>

namespace quorvane::ui {

namespace {

QString FromStd(const std::string& text) {
    return QString::fromStdString(ShownText(text));
}

} // namespace

TPreview_Frm::TPreview_Frm(std::vector<TPreviewEntry> entries, QWidget* parent)
    : QDialog(parent), FEntries(std::move(entries)) {
    setWindowTitle(QStringLiteral("Preview"));
    setObjectName(QStringLiteral("Preview_Frm"));
    resize(900, 600);

    std::size_t counts[3] = {0, 0, 0};
    for (const TPreviewEntry& entry : FEntries) {
        ++counts[static_cast<int>(entry.State)];
    }
    Summary_Lbl = new QLabel(
        QStringLiteral("A run would write %1 new, %2 changed and %3 unchanged files. Nothing has "
                       "been written.")
            .arg(counts[static_cast<int>(TPreviewState::New)])
            .arg(counts[static_cast<int>(TPreviewState::Changed)])
            .arg(counts[static_cast<int>(TPreviewState::Unchanged)]));
    Summary_Lbl->setWordWrap(true);

    Files_Lst = new QListWidget;
    Files_Lst->setObjectName(QStringLiteral("Files_Lst"));
    ShowUnchanged_Chk = new QCheckBox(QStringLiteral("Show unchanged files"));
    ShowUnchanged_Chk->setObjectName(QStringLiteral("ShowUnchanged_Chk"));
    Diff_Mem = new QPlainTextEdit;
    Diff_Mem->setObjectName(QStringLiteral("Diff_Mem"));
    Diff_Mem->setReadOnly(true);
    Diff_Mem->setLineWrapMode(QPlainTextEdit::NoWrap);
    Diff_Mem->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));

    auto* left = new QWidget;
    auto* leftLayout = new QVBoxLayout(left);
    leftLayout->setContentsMargins(0, 0, 0, 0);
    leftLayout->addWidget(Files_Lst);
    leftLayout->addWidget(ShowUnchanged_Chk);
    auto* splitter = new QSplitter;
    splitter->addWidget(left);
    splitter->addWidget(Diff_Mem);
    splitter->setStretchFactor(1, 2);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Summary_Lbl);
    layout->addWidget(splitter, 1);
    layout->addWidget(buttons);

    connect(ShowUnchanged_Chk, &QCheckBox::toggled, this, &TPreview_Frm::FillList);
    connect(Files_Lst, &QListWidget::currentRowChanged, this, &TPreview_Frm::ShowSelected);
    FillList();
}

const TPreviewEntry& TPreview_Frm::EntryOfRow(int row) const {
    return FEntries.at(FRows.at(static_cast<std::size_t>(row)));
}

void TPreview_Frm::FillList() {
    Files_Lst->clear();
    FRows.clear();
    for (std::size_t index = 0; index < FEntries.size(); ++index) {
        const TPreviewEntry& entry = FEntries[index];
        if (entry.State == TPreviewState::Unchanged && !ShowUnchanged_Chk->isChecked()) {
            continue;
        }
        FRows.push_back(index);
        Files_Lst->addItem(QStringLiteral("%1\t%2").arg(
            QString::fromUtf8(PreviewStateName(entry.State).data(),
                              static_cast<qsizetype>(PreviewStateName(entry.State).size())),
            FromStd(entry.Relative)));
    }
    if (Files_Lst->count() > 0) {
        Files_Lst->setCurrentRow(0);
    } else {
        Diff_Mem->clear();
    }
}

void TPreview_Frm::ShowSelected() {
    const int row = Files_Lst->currentRow();
    if (row < 0) {
        Diff_Mem->clear();
        return;
    }
    const TPreviewEntry& entry = EntryOfRow(row);
    QString text = FromStd(entry.Full) + QStringLiteral("\n\n");
    switch (entry.State) {
    case TPreviewState::New:
        text += QStringLiteral("A new file: the output has none of this name.");
        break;
    case TPreviewState::Unchanged:
        text += QStringLiteral("The output holds this file as the run would write it.");
        break;
    case TPreviewState::Changed:
        text += entry.Diff.empty()
                    ? QStringLiteral("The run would replace this file; it is too large or not "
                                     "text, so no diff is shown.")
                    : QString::fromStdString(ShownLines(entry.Diff));
        break;
    }
    Diff_Mem->setPlainText(text);
}

} // namespace quorvane::ui
