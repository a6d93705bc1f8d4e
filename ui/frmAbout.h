#pragma once

#include <QDialog>
#include <QString>

class QPlainTextEdit;
class QPushButton;

namespace quorvane::ui {

/// The About window: the usage text in a box the user may scribble in. It is created once and
/// only hidden when closed, so whatever was typed stays there until the program ends.
class TAbout_Frm : public QDialog {
    Q_OBJECT

public:
    explicit TAbout_Frm(QWidget* parent = nullptr);

    QPlainTextEdit* Memo;
    QPushButton* OK_Btn;

    /// Closes the window, which only hides it.
    void OK_BtnClick();
};

/// The program's usage text as the About window shows it.
QString UsageText();

} // namespace quorvane::ui
