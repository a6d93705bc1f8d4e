// Draws a picture of a Delphi form from its form file (.dfm, text form), on Qt's offscreen
// platform unless another is chosen:
//
//   quorvane_form_picture FORM.dfm PICTURE.png

#include "DfmReader.h"
#include "FormPicture.h"

#include <QApplication>
#include <QFile>
#include <QStringDecoder>

#include <iostream>

namespace {

// Generated form files hold the names a database gave as UTF-8; a form file saved by Delphi 7
// is in a Windows code page, of which Latin-1 reads the letters of Western European names.
QString FormText(const QByteArray& bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8(bytes);
    return utf8.hasError() ? QString::fromLatin1(bytes) : text;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    if (argc != 3) {
        std::cerr << "usage: quorvane_form_picture FORM.dfm PICTURE.png\n";
        return 2;
    }
    const QString formPath = QString::fromLocal8Bit(argv[1]);
    const QString picturePath = QString::fromLocal8Bit(argv[2]);

    QFile file(formPath);
    if (!file.open(QIODevice::ReadOnly)) {
        std::cerr << "form picture: cannot read " << argv[1] << ": "
                  << file.errorString().toStdString() << "\n";
        return 1;
    }
    quorvane::formpicture::TDfmObject form;
    try {
        form = quorvane::formpicture::ReadDfm(FormText(file.readAll()));
    } catch (const quorvane::formpicture::EDfmError& error) {
        std::cerr << "form picture: " << argv[1] << ": " << error.what() << "\n";
        return 1;
    }

    quorvane::formpicture::UseWindowsLook();
    const std::unique_ptr<QWidget> window = quorvane::formpicture::BuildFormWindow(form);
    if (!quorvane::formpicture::RenderFormWindow(*window).save(picturePath)) {
        std::cerr << "form picture: cannot write " << argv[2] << "\n";
        return 1;
    }
    return 0;
}
