#pragma once

#include <QDialog>
#include <QString>

class QLabel;
class QPushButton;
class QTextEdit;

namespace quorvane::ui {

/// The About window: the program's name and version as its heading, then the usage text, set
/// as paragraphs that wrap to the window's width, in a box the user may scribble in. It is
/// created once and only hidden when closed, so whatever was typed stays there until the
/// program ends.
class TAbout_Frm : public QDialog {
    Q_OBJECT

public:
    explicit TAbout_Frm(QWidget* parent = nullptr);

    QLabel* Title_Lab;
    QTextEdit* Memo;
    QPushButton* Close_Btn;

    /// Closes the window, which only hides it.
    void Close_BtnClick();
};

/// The program's usage text as plain text: the title line, then paragraphs with lines broken by
/// hand and headings underlined with "=". The About window sets it as a page of its own.
QString UsageText();

} // namespace quorvane::ui
