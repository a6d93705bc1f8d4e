// The form picture: the text form reader on every kind of value and on broken files, the
// controls placed and labelled as the form file says, and every client form of the golden
// outputs drawn without a control left to an outline.

#include "FormPicture.h"
#include "DfmReader.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDirIterator>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>

#include <functional>

namespace quorvane::formpicture {

namespace {

QRect PlaceOf(const TDfmObject& object) {
    return QRect(object.Integer(u"Left", -1), object.Integer(u"Top", -1),
                 object.Integer(u"Width", -1), object.Integer(u"Height", -1));
}

void ForEachObject(const TDfmObject& object, const std::function<void(const TDfmObject&)>& visit) {
    for (const TDfmObject& child : object.Children) {
        visit(child);
        ForEachObject(child, visit);
    }
}

const char* const ControlsForm = R"(object Orders_Frm: TOrders_Frm
  Left = 260
  Top = 160
  Width = 640
  Height = 400
  Caption = 'Orders'
  Color = clBtnFace
  Font.Height = -11
  Font.Name = 'Tahoma'
  object Orders_DS: TDataSource
    Left = 8
    Top = 8
  end
  object OrderID_Lab: TLabel
    Left = 20
    Top = 44
    Width = 77
    Height = 16
    Caption = 'Order&#'
    Alignment = taRightJustify
    AutoSize = False
  end
  object Title_Lbl: TLabel
    Left = 300
    Top = 10
    Width = 5
    Height = 13
    Caption = 'All orders'
  end
  object OrderID_DBEdt: TDBEdit
    Left = 104
    Top = 40
    Width = 120
    Height = 23
    DataField = 'OrderID'
  end
  object Comments_DBMemo: TDBMemo
    Left = 104
    Top = 70
    Width = 120
    Height = 40
    ScrollBars = ssVertical
  end
  object Paid_DBChk: TDBCheckBox
    Left = 104
    Top = 120
    Width = 60
    Height = 23
    Caption = 'Paid'
  end
  object ClientID_DBLkpCbo: TDBLookupComboBox
    Left = 240
    Top = 40
    Width = 120
    Height = 23
  end
  object Orders_DBNvg: TDBNavigator
    Left = 16
    Top = 150
    Width = 51
    Height = 25
    VisibleButtons = [nbFirst, nbNext]
  end
  object Orders_DBGrid: TDBGrid
    Left = 16
    Top = 180
    Width = 240
    Height = 100
    Columns = <
      item
        FieldName = 'OrderID'
        Title.Caption = 'Order#'
        Title.Alignment = taCenter
        Width = 50
      end
      item
        FieldName = 'Hidden'
        Visible = False
      end
      item
        FieldName = 'Total'
      end>
  end
  object PC: TPageControl
    Left = 300
    Top = 100
    Width = 300
    Height = 200
    ActivePage = Second_TS
    object First_TS: TTabSheet
      Caption = 'First'
    end
    object Second_TS: TTabSheet
      Caption = 'Second'
      object OnSheet_Btn: TButton
        Left = 10
        Top = 12
        Width = 75
        Height = 25
        Caption = 'Show'
      end
    end
  end
  object Odd_Shp: TShape
    Left = 500
    Top = 10
    Width = 40
    Height = 40
  end
end
)";

} // namespace

class TFormPictureTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { UseWindowsLook(); }

    void ReaderReadsObjectsAndEveryKindOfValue() {
        const TDfmObject form =
            ReadDfm(QStringLiteral("Object Orders_Frm : TOrders_Frm\r\n"
                                   "  Left = -8\r\n"
                                   "  Caption = 'It''s '#39'quoted'#39' and ' +\r\n"
                                   "    'joined'#13#10'across lines'\r\n"
                                   "  Font.Style = [fsBold, fsItalic]\r\n"
                                   "  Color = $00FFFFFF\r\n"
                                   "  Scale = 1.5E-3\r\n"
                                   "  Lines.Strings = (\r\n"
                                   "    'one'\r\n"
                                   "    'two')\r\n"
                                   "  Glyph.Data = {\r\n"
                                   "    0A0B\r\n"
                                   "    0C0D}\r\n"
                                   "  object Grid: TDBGrid\r\n"
                                   "    Columns = <\r\n"
                                   "      item\r\n"
                                   "        FieldName = 'OrderID'\r\n"
                                   "        Title.Caption = 'Order#'\r\n"
                                   "      end\r\n"
                                   "      item [1]\r\n"
                                   "        FieldName = 'Total'\r\n"
                                   "      end>\r\n"
                                   "  end\r\n"
                                   "  inherited Inner: TPanel [2]\r\n"
                                   "    object Deep: TLabel\r\n"
                                   "    END\r\n"
                                   "  end\r\n"
                                   "end\r\n"));
        QCOMPARE(form.Name, QStringLiteral("Orders_Frm"));
        QCOMPARE(form.ClassName, QStringLiteral("TOrders_Frm"));
        QCOMPARE(form.Integer(u"left", 0), -8);
        QCOMPARE(form.Text(u"Caption"), QStringLiteral("It's 'quoted' and joined\r\nacross lines"));
        const TDfmValue* style = form.Find(u"Font.Style");
        QVERIFY(style != nullptr);
        QCOMPARE(style->Kind, TDfmValue::TKind::Set);
        QCOMPARE(style->Elements.size(), std::size_t{2});
        QCOMPARE(style->Elements[1].Text, QStringLiteral("fsItalic"));
        QCOMPARE(form.Integer(u"Color", 0), 0xFFFFFF);
        QCOMPARE(form.Find(u"Scale")->Text, QStringLiteral("1.5E-3"));
        const TDfmValue* lines = form.Find(u"Lines.Strings");
        QCOMPARE(lines->Kind, TDfmValue::TKind::List);
        QCOMPARE(lines->Elements.size(), std::size_t{2});
        QCOMPARE(lines->Elements[1].Text, QStringLiteral("two"));
        QCOMPARE(form.Find(u"Glyph.Data")->Kind, TDfmValue::TKind::Binary);
        QCOMPARE(form.Find(u"Glyph.Data")->Text, QStringLiteral("0A0B0C0D"));
        QVERIFY(form.Find(u"Width") == nullptr);

        QCOMPARE(form.Children.size(), std::size_t{2});
        const TDfmValue* columns = form.Children[0].Find(u"Columns");
        QCOMPARE(columns->Kind, TDfmValue::TKind::Collection);
        QCOMPARE(columns->Items.size(), std::size_t{2});
        QCOMPARE(columns->Items[0].Text(u"Title.Caption"), QStringLiteral("Order#"));
        QCOMPARE(columns->Items[1].Text(u"FieldName"), QStringLiteral("Total"));
        const TDfmObject& inner = form.Children[1];
        QCOMPARE(inner.ClassName, QStringLiteral("TPanel"));
        QCOMPARE(inner.Children.size(), std::size_t{1});
        QCOMPARE(inner.Children[0].Name, QStringLiteral("Deep"));
    }

    void ReaderNamesTheLineOfAFault_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        QTest::newRow("string not closed") << "object A: TForm\n  Caption = 'Orders\n  end\nend\n"
                                           << "line 2: a string is not closed on its line";
        QTest::newRow("no end") << "object A: TForm\n  Left = 1\n"
                                << "line 3: the file ends before the end of A (line 1)";
        QTest::newRow("no equals sign") << "object A: TForm\n  Left 1\nend\n"
                                        << "line 2: \"=\" expected, found \"1\"";
        QTest::newRow("plus without a string")
            << "object A: TForm\n  Caption = 'a' +\n    Left = 1\nend\n"
            << "line 3: a string after \"+\" expected, found \"Left\"";
        QTest::newRow("not an item") << "object A: TForm\n  Columns = <\n    thing\n  end>\nend\n"
                                     << "line 3: \"item\" expected, found \"thing\"";
        QTest::newRow("binary not closed")
            << "object A: TForm\n  Data = {0A0B\nend\n"
            << "line 2: binary data that starts here has no closing }";
        QTest::newRow("text after the form") << "object A: TForm\nend\nobject B: TForm\nend\n"
                                             << "line 3: \"object\" after the end of the form";
        QTest::newRow("not a form") << "unit frmOrders;\n"
                                    << "line 1: \"object\" expected, found \"unit\"";
    }

    void ReaderNamesTheLineOfAFault() {
        QFETCH(QString, text);
        QFETCH(QString, message);
        try {
            ReadDfm(text);
            QFAIL("the form file was read");
        } catch (const EDfmError& error) {
            QCOMPARE(QString::fromStdString(error.what()), message);
        }
    }

    void PictureHasEachControlWhereTheFormFileSays() {
        const TDfmObject form = ReadDfm(QString::fromLatin1(ControlsForm));
        const std::unique_ptr<QWidget> window = BuildFormWindow(form);
        QCOMPARE(window->size(), QSize(640, 400));
        auto* client = window->findChild<QWidget*>(QStringLiteral("ClientArea"));
        QCOMPARE(client->geometry(),
                 QRect(FrameWidth, FrameWidth + CaptionHeight, 640 - 2 * FrameWidth,
                       400 - 2 * FrameWidth - CaptionHeight));
        // Every control with a size sits where the form file puts it, relative to its parent.
        QStringList misplaced;
        ForEachObject(form, [&](const TDfmObject& object) {
            if (object.Find(u"Width") == nullptr || object.Name == QLatin1String("Title_Lbl")) {
                return;
            }
            auto* widget = window->findChild<QWidget*>(object.Name);
            if (widget == nullptr || widget->geometry() != PlaceOf(object)) {
                misplaced << object.Name;
            }
        });
        QVERIFY2(misplaced.isEmpty(), qPrintable(misplaced.join(QLatin1String(", "))));
        QVERIFY(window->findChild<QWidget*>(QStringLiteral("Orders_DS")) == nullptr);

        // An auto-sized label keeps its corner and takes the size of its text.
        auto* title = window->findChild<QLabel*>(QStringLiteral("Title_Lbl"));
        QCOMPARE(title->pos(), QPoint(300, 10));
        QCOMPARE(title->size(), title->sizeHint());
        QVERIFY(title->width() > 5);
        auto* label = window->findChild<QLabel*>(QStringLiteral("OrderID_Lab"));
        QCOMPARE(label->text(), QStringLiteral("Order#"));
        QCOMPARE(label->alignment(), Qt::AlignRight | Qt::AlignTop);

        QCOMPARE(window->findChild<QLineEdit*>(QStringLiteral("OrderID_DBEdt"))->text(),
                 QStringLiteral("OrderID_DBEdt"));
        auto* memo = window->findChild<QPlainTextEdit*>(QStringLiteral("Comments_DBMemo"));
        QCOMPARE(memo->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QCOMPARE(memo->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        QCOMPARE(window->findChild<QCheckBox*>(QStringLiteral("Paid_DBChk"))->text(),
                 QStringLiteral("Paid"));
        QCOMPARE(window->findChild<QComboBox*>(QStringLiteral("ClientID_DBLkpCbo"))->currentText(),
                 QStringLiteral("ClientID_DBLkpCbo"));

        // Only the buttons listed, sharing the width: 51 = 26 + 25.
        auto* navigator = window->findChild<QWidget*>(QStringLiteral("Orders_DBNvg"));
        const QList<QToolButton*> buttons = navigator->findChildren<QToolButton*>();
        QCOMPARE(buttons.size(), 2);
        QCOMPARE(buttons[0]->objectName(), QStringLiteral("nbFirst"));
        QCOMPARE(buttons[0]->geometry(), QRect(0, 0, 26, 25));
        QCOMPARE(buttons[1]->objectName(), QStringLiteral("nbNext"));
        QCOMPARE(buttons[1]->geometry(), QRect(26, 0, 25, 25));

        // The indicator column, then the visible columns, titled by Title.Caption or the field.
        auto* grid = window->findChild<QTableWidget*>(QStringLiteral("Orders_DBGrid"));
        QCOMPARE(grid->columnCount(), 3);
        QCOMPARE(grid->horizontalHeaderItem(1)->text(), QStringLiteral("Order#"));
        QCOMPARE(grid->horizontalHeaderItem(1)->textAlignment(),
                 int(Qt::AlignHCenter | Qt::AlignVCenter));
        QCOMPARE(grid->columnWidth(1), 50);
        QCOMPARE(grid->horizontalHeaderItem(2)->text(), QStringLiteral("Total"));
        QCOMPARE(grid->columnWidth(2), 64);

        auto* pages = window->findChild<QTabWidget*>(QStringLiteral("PC"));
        QCOMPARE(pages->count(), 2);
        QCOMPARE(pages->tabText(0), QStringLiteral("First"));
        QCOMPARE(pages->currentWidget()->objectName(), QStringLiteral("Second_TS"));
        auto* onSheet = window->findChild<QPushButton*>(QStringLiteral("OnSheet_Btn"));
        QCOMPARE(onSheet->parentWidget(), pages->widget(1));
        QCOMPARE(onSheet->text(), QStringLiteral("Show"));

        QVERIFY(window->findChild<QWidget*>(QStringLiteral("Odd_Shp"))
                    ->property("drawnAsOutline")
                    .toBool());
        QVERIFY(!label->property("drawnAsOutline").toBool());

        // The picture is the window: a blue title bar over the grey client area.
        const QImage picture = RenderFormWindow(*window);
        QCOMPARE(picture.size(), QSize(640, 400));
        const QColor bar = picture.pixelColor(FrameWidth + 1, FrameWidth + 1);
        QVERIFY2(bar.blue() > 2 * bar.red(), qPrintable(bar.name()));
        QCOMPARE(picture.pixelColor(FrameWidth + 2, 390), QColor(0xD4, 0xD0, 0xC8));
    }

    void PictureDrawsEveryControlOfTheGeneratedClientForms() {
        int forms = 0;
        QStringList missing;
        QDirIterator files(QStringLiteral(QUORVANE_GOLDEN_CASES), {QStringLiteral("*.dfm")},
                           QDir::Files, QDirIterator::Subdirectories);
        while (files.hasNext()) {
            const QString path = files.next();
            if (!path.contains(QLatin1String("/Midas_Client/"))) {
                continue;
            }
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadOnly));
            TDfmObject form;
            try {
                form = ReadDfm(QString::fromUtf8(file.readAll()));
            } catch (const EDfmError& error) {
                QFAIL(qPrintable(path + QLatin1String(": ") + QString::fromUtf8(error.what())));
            }
            const std::unique_ptr<QWidget> window = BuildFormWindow(form);
            ForEachObject(form, [&](const TDfmObject& object) {
                if (object.Find(u"Width") == nullptr) {
                    return;
                }
                auto* widget = window->findChild<QWidget*>(object.Name);
                if (widget == nullptr || widget->property("drawnAsOutline").toBool()) {
                    missing << path + QLatin1String(": ") + object.Name;
                }
            });
            ++forms;
        }
        QVERIFY2(missing.isEmpty(), qPrintable(missing.mid(0, 10).join(QLatin1Char('\n'))));
        // The golden cases hold a couple of hundred client forms; far fewer means the search
        // missed them.
        QVERIFY2(forms > 100, qPrintable(QString::number(forms)));
    }
};

} // namespace quorvane::formpicture

QTEST_MAIN(quorvane::formpicture::TFormPictureTest)
#include "FormPictureTest.moc"
