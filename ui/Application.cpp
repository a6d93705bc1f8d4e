#include "Application.h"

#include "Icons.h"

#include <QApplication>

namespace quorvane::ui {

void SetUpApplication() {
    QApplication::setApplicationName(QStringLiteral("Quorvane"));
    QApplication::setWindowIcon(ApplicationIcon());
    QGuiApplication::setDesktopFileName(QStringLiteral("quorvane"));
}

} // namespace quorvane::ui
