#pragma once

#include "io/OutputTree.h"

#include <QDialog>

#include <vector>

class QCheckBox;
class QLabel;
class QListWidget;
class QPlainTextEdit;

namespace quorvane::ui {

/// What a run would write, before it writes: each file with its state against the earlier
/// output, and the diff of the selected file.
class TPreview_Frm : public QDialog {
    Q_OBJECT

public:
    TPreview_Frm(std::vector<TPreviewEntry> entries, QWidget* parent = nullptr);

    QListWidget* Files_Lst;
    /// Unchanged files are many and tell nothing; they are listed only on demand.
    QCheckBox* ShowUnchanged_Chk;
    QPlainTextEdit* Diff_Mem;
    QLabel* Summary_Lbl;

    /// The entry the list's row `row` shows.
    const TPreviewEntry& EntryOfRow(int row) const;

private:
    std::vector<TPreviewEntry> FEntries;
    std::vector<std::size_t> FRows; ///< the entry of each row shown

    void FillList();
    void ShowSelected();
};

} // namespace quorvane::ui
