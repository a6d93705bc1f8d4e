#include "FormPicture.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFont>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLinearGradient>
#include <QPainter>
#include <QPalette>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QStyleFactory>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolButton>
#include <qdrawutil.h>

#include <algorithm>
#include <array>
#include <optional>

namespace quorvane::formpicture {

namespace {

// The grey of Windows' classic look (clBtnFace) and the colours of an active title bar.
const QColor ButtonFace(0xD4, 0xD0, 0xC8);
const QColor CaptionLeft(0x0A, 0x24, 0x6A);
const QColor CaptionRight(0xA6, 0xCA, 0xF0);

// Delphi names its controls' classes without regard to case, as Pascal does.
bool IsClass(const TDfmObject& object, const char* className) {
    return object.ClassName.compare(QLatin1String(className), Qt::CaseInsensitive) == 0;
}

bool IsAnyClass(const TDfmObject& object, std::initializer_list<const char*> classNames) {
    return std::any_of(classNames.begin(), classNames.end(),
                       [&](const char* className) { return IsClass(object, className); });
}

bool SameWord(const QString& text, const char* word) {
    return text.compare(QLatin1String(word), Qt::CaseInsensitive) == 0;
}

// A label shows "&&" as "&" and underlines the letter after a single "&"; a picture without
// keyboard cues shows neither ampersand.
QString LabelText(const QString& caption) {
    QString text;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&')) {
            if (i + 1 < caption.size() && caption[i + 1] == QLatin1Char('&')) {
                text += QLatin1Char('&');
                ++i;
            }
            continue;
        }
        text += caption[i];
    }
    return text;
}

// The colours a form is likely to name; any other leaves the palette's.
std::optional<QColor> DelphiColour(const QString& name) {
    static const std::array<std::pair<const char*, QColor>, 7> colours{{
        {"clBtnFace", ButtonFace},
        {"clWindow", Qt::white},
        {"clWhite", Qt::white},
        {"clBlack", Qt::black},
        {"clSilver", QColor(0xC0, 0xC0, 0xC0)},
        {"clGray", QColor(0x80, 0x80, 0x80)},
        {"clInfoBk", QColor(0xFF, 0xFF, 0xE1)},
    }};
    for (const auto& [colourName, colour] : colours) {
        if (SameWord(name, colourName)) {
            return colour;
        }
    }
    return std::nullopt;
}

// The font of a control: its parent's, changed by the Font properties the form file gives.
// A negative Font.Height is the character height in pixels, which is what a pixel size is.
QFont ControlFont(const TDfmObject& object, QFont font, const QString& prefix = "Font") {
    const QString name = object.Text(prefix + ".Name");
    if (!name.isEmpty()) {
        font.setFamily(name);
    }
    const int height = object.Integer(prefix + ".Height", 0);
    const int size = object.Integer(prefix + ".Size", 0);
    if (height < 0) {
        font.setPixelSize(-height);
    } else if (height > 0) {
        // A positive height counts the internal leading too, about a fifth of it.
        font.setPixelSize(std::max(1, height * 4 / 5));
    } else if (size > 0) {
        font.setPixelSize(size * 96 / 72);
    }
    if (const TDfmValue* style = object.Find(prefix + ".Style")) {
        for (const TDfmValue& member : style->Elements) {
            font.setBold(font.bold() || SameWord(member.Text, "fsBold"));
            font.setItalic(font.italic() || SameWord(member.Text, "fsItalic"));
            font.setUnderline(font.underline() || SameWord(member.Text, "fsUnderline"));
            font.setStrikeOut(font.strikeOut() || SameWord(member.Text, "fsStrikeOut"));
        }
    }
    return font;
}

Qt::Alignment HorizontalAlignment(const QString& alignment, Qt::Alignment otherwise) {
    if (SameWord(alignment, "taRightJustify")) {
        return Qt::AlignRight;
    }
    if (SameWord(alignment, "taCenter")) {
        return Qt::AlignHCenter;
    }
    if (SameWord(alignment, "taLeftJustify")) {
        return Qt::AlignLeft;
    }
    return otherwise;
}

// The frame of the window: the classic raised border, and the title bar with the form's
// caption and the minimise, maximise and close buttons.
class TFormFrame : public QWidget {
public:
    explicit TFormFrame(QString caption) : FCaption(std::move(caption)) {}

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        const QBrush face(ButtonFace);
        qDrawWinPanel(&painter, rect(), palette(), false, &face);

        const QRect bar(FrameWidth, FrameWidth, width() - 2 * FrameWidth, CaptionHeight - 1);
        QLinearGradient gradient(bar.topLeft(), bar.topRight());
        gradient.setColorAt(0, CaptionLeft);
        gradient.setColorAt(1, CaptionRight);
        painter.fillRect(bar, gradient);

        constexpr int buttonWidth = 16;
        constexpr int buttonHeight = 14;
        const int top = bar.top() + (bar.height() - buttonHeight) / 2;
        const int close = bar.right() - 1 - buttonWidth;
        const int maximise = close - 2 - buttonWidth;
        const int minimise = maximise - buttonWidth;

        QFont captionFont = font();
        captionFont.setBold(true);
        painter.setFont(captionFont);
        painter.setPen(Qt::white);
        painter.drawText(QRect(bar.left() + 4, bar.top(), minimise - bar.left() - 8, bar.height()),
                         Qt::AlignLeft | Qt::AlignVCenter, FCaption);

        for (const int left : {minimise, maximise, close}) {
            qDrawWinButton(&painter, left, top, buttonWidth, buttonHeight, palette(), false, &face);
        }
        painter.setPen(QPen(Qt::black, 2));
        painter.drawLine(minimise + 4, top + 10, minimise + 10, top + 10);
        painter.drawRect(maximise + 4, top + 3, 8, 7);
        painter.drawLine(close + 5, top + 3, close + 11, top + 9);
        painter.drawLine(close + 11, top + 3, close + 5, top + 9);
    }

private:
    QString FCaption;
};

// A control of a class this picture does not draw: its outline and its class, so that the
// picture still shows that something sits there.
class TOutline : public QWidget {
public:
    TOutline(QString className, QWidget* parent)
        : QWidget(parent), FClassName(std::move(className)) {}

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setPen(QPen(palette().color(QPalette::Dark), 1, Qt::DashLine));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(rect(), Qt::AlignCenter, FClassName);
    }

private:
    QString FClassName;
};

// The buttons of a TDBNavigator in their fixed order, with the glyphs Delphi gives them.
enum class TNavigatorButton {
    First,
    Prior,
    Next,
    Last,
    Insert,
    Delete,
    Edit,
    Post,
    Cancel,
    Refresh
};
const std::array<std::pair<TNavigatorButton, const char*>, 10> NavigatorButtons{{
    {TNavigatorButton::First, "nbFirst"},
    {TNavigatorButton::Prior, "nbPrior"},
    {TNavigatorButton::Next, "nbNext"},
    {TNavigatorButton::Last, "nbLast"},
    {TNavigatorButton::Insert, "nbInsert"},
    {TNavigatorButton::Delete, "nbDelete"},
    {TNavigatorButton::Edit, "nbEdit"},
    {TNavigatorButton::Post, "nbPost"},
    {TNavigatorButton::Cancel, "nbCancel"},
    {TNavigatorButton::Refresh, "nbRefresh"},
}};

QIcon NavigatorGlyph(TNavigatorButton button) {
    constexpr int size = 12;
    QPixmap glyph(size, size);
    glyph.fill(Qt::transparent);
    QPainter painter(&glyph);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    const auto triangle = [&](QPointF a, QPointF b, QPointF c) {
        painter.drawPolygon(QPolygonF{a, b, c});
    };
    switch (button) {
    case TNavigatorButton::First:
        painter.drawRect(QRectF(2, 2, 2, 8));
        triangle({10, 2}, {10, 10}, {5, 6});
        break;
    case TNavigatorButton::Prior:
        triangle({8, 2}, {8, 10}, {4, 6});
        break;
    case TNavigatorButton::Next:
        triangle({4, 2}, {4, 10}, {8, 6});
        break;
    case TNavigatorButton::Last:
        triangle({2, 2}, {2, 10}, {7, 6});
        painter.drawRect(QRectF(8, 2, 2, 8));
        break;
    case TNavigatorButton::Insert:
        painter.drawRect(QRectF(5, 1, 2, 10));
        painter.drawRect(QRectF(1, 5, 10, 2));
        break;
    case TNavigatorButton::Delete:
        painter.drawRect(QRectF(1, 5, 10, 2));
        break;
    case TNavigatorButton::Edit:
        triangle({2, 8}, {10, 8}, {6, 3});
        break;
    case TNavigatorButton::Post:
        painter.setPen(QPen(Qt::black, 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawPolyline(QPolygonF{{1.5, 6}, {4.5, 9}, {10.5, 2.5}});
        break;
    case TNavigatorButton::Cancel:
        painter.setPen(QPen(Qt::black, 2));
        painter.drawLine(QPointF(2, 2), QPointF(10, 10));
        painter.drawLine(QPointF(10, 2), QPointF(2, 10));
        break;
    case TNavigatorButton::Refresh: {
        painter.setPen(QPen(Qt::black, 1.6));
        painter.setBrush(Qt::NoBrush);
        painter.drawArc(QRectF(2, 2, 8, 8), 90 * 16, 270 * 16);
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::black);
        triangle({6, 0}, {6, 5}, {9.5, 2.5});
        break;
    }
    }
    return QIcon(glyph);
}

class TFormBuilder {
public:
    // Builds the controls owned by `owner` into `parent`; `font` is the parent's font, which
    // a control keeps unless the form file gives it one of its own.
    void BuildChildren(const TDfmObject& owner, QWidget& parent, const QFont& font) {
        std::vector<std::pair<QWidget*, QString>> aligned;
        for (const TDfmObject& child : owner.Children) {
            QWidget* widget = BuildControl(child, parent, ControlFont(child, font));
            if (widget == nullptr) {
                continue;
            }
            const QString align = child.Text(u"Align");
            if (!align.isEmpty() && !SameWord(align, "alNone")) {
                aligned.emplace_back(widget, align);
            }
        }
        Align(parent, aligned);
    }

private:
    // Delphi aligns the top controls first, then the bottom, left and right ones, and gives
    // the rest of the parent to the client-aligned one.
    static void Align(QWidget& parent, const std::vector<std::pair<QWidget*, QString>>& aligned) {
        QRect rest = parent.rect();
        for (const char* side : {"alTop", "alBottom", "alLeft", "alRight", "alClient"}) {
            for (const auto& [widget, align] : aligned) {
                if (!SameWord(align, side)) {
                    continue;
                }
                QRect place = rest;
                if (SameWord(align, "alTop")) {
                    place.setHeight(widget->height());
                    rest.setTop(place.bottom() + 1);
                } else if (SameWord(align, "alBottom")) {
                    place.setTop(rest.bottom() + 1 - widget->height());
                    rest.setBottom(place.top() - 1);
                } else if (SameWord(align, "alLeft")) {
                    place.setWidth(widget->width());
                    rest.setLeft(place.right() + 1);
                } else if (SameWord(align, "alRight")) {
                    place.setLeft(rest.right() + 1 - widget->width());
                    rest.setRight(place.left() - 1);
                }
                widget->setGeometry(place);
            }
        }
    }

    static QRect Place(const TDfmObject& object) {
        return QRect(object.Integer(u"Left", 0), object.Integer(u"Top", 0),
                     object.Integer(u"Width", 0), object.Integer(u"Height", 0));
    }

    QWidget* BuildControl(const TDfmObject& object, QWidget& parent, const QFont& font) {
        QWidget* widget = MakeControl(object, parent, font);
        if (widget == nullptr) {
            return nullptr;
        }
        widget->setObjectName(object.Name);
        widget->setProperty("dfmClass", object.ClassName);
        widget->setFont(font);
        widget->setFocusPolicy(Qt::NoFocus);
        if (!IsClass(object, "TLabel")) {
            widget->setGeometry(Place(object));
        }
        return widget;
    }

    QWidget* MakeControl(const TDfmObject& object, QWidget& parent, const QFont& font) {
        if (IsClass(object, "TLabel")) {
            return MakeLabel(object, parent, font);
        }
        if (IsAnyClass(object, {"TEdit", "TDBEdit", "TMaskEdit"})) {
            auto* edit = new QLineEdit(object.Text(u"Text", object.Name), &parent);
            edit->setCursorPosition(0);
            edit->setReadOnly(true);
            return edit;
        }
        if (IsAnyClass(object, {"TMemo", "TDBMemo"})) {
            return MakeMemo(object, parent);
        }
        if (IsAnyClass(object, {"TCheckBox", "TDBCheckBox"})) {
            auto* check = new QCheckBox(object.Text(u"Caption"), &parent);
            check->setChecked(SameWord(object.Text(u"State"), "cbChecked") ||
                              object.Boolean(u"Checked", false));
            return check;
        }
        if (IsAnyClass(object, {"TComboBox", "TDBComboBox", "TDBLookupComboBox"})) {
            // Editable, so that its field is white, as those of Delphi's combo boxes are.
            auto* combo = new QComboBox(&parent);
            combo->setEditable(true);
            combo->addItem(object.Text(u"Text", object.Name));
            combo->lineEdit()->setReadOnly(true);
            combo->lineEdit()->setCursorPosition(0);
            return combo;
        }
        if (IsAnyClass(object, {"TButton", "TBitBtn"})) {
            auto* button = new QPushButton(object.Text(u"Caption"), &parent);
            button->setAutoDefault(false);
            button->setDefault(object.Boolean(u"Default", false));
            return button;
        }
        if (IsClass(object, "TDBNavigator")) {
            return MakeNavigator(object, parent);
        }
        if (IsClass(object, "TDBGrid")) {
            return MakeGrid(object, parent, font);
        }
        if (IsClass(object, "TPageControl")) {
            return MakePageControl(object, parent, font);
        }
        if (IsClass(object, "TGroupBox")) {
            auto* box = new QGroupBox(object.Text(u"Caption"), &parent);
            box->setGeometry(Place(object));
            BuildChildren(object, *box, font);
            return box;
        }
        if (IsClass(object, "TPanel")) {
            return MakePanel(object, parent, font);
        }
        if (object.Find(u"Width") == nullptr && object.Find(u"Height") == nullptr) {
            return nullptr; // a component without a place on the form
        }
        auto* outline = new TOutline(object.ClassName, &parent);
        outline->setProperty("drawnAsOutline", true);
        return outline;
    }

    static QWidget* MakeLabel(const TDfmObject& object, QWidget& parent, const QFont& font) {
        auto* label = new QLabel(LabelText(object.Text(u"Caption")), &parent);
        label->setFont(font);
        label->setWordWrap(object.Boolean(u"WordWrap", false));
        Qt::Alignment vertical = Qt::AlignTop;
        const QString layout = object.Text(u"Layout");
        if (SameWord(layout, "tlCenter")) {
            vertical = Qt::AlignVCenter;
        } else if (SameWord(layout, "tlBottom")) {
            vertical = Qt::AlignBottom;
        }
        label->setAlignment(HorizontalAlignment(object.Text(u"Alignment"), Qt::AlignLeft) |
                            vertical);
        // An auto-sized label takes the size of its text and keeps its top left corner.
        if (object.Boolean(u"AutoSize", true) && !label->wordWrap()) {
            label->move(object.Integer(u"Left", 0), object.Integer(u"Top", 0));
            label->resize(label->sizeHint());
        } else {
            label->setGeometry(Place(object));
        }
        return label;
    }

    static QWidget* MakeMemo(const TDfmObject& object, QWidget& parent) {
        QString text = object.Name;
        if (const TDfmValue* lines = object.Find(u"Lines.Strings")) {
            QStringList strings;
            for (const TDfmValue& line : lines->Elements) {
                strings << line.Text;
            }
            text = strings.join(QLatin1Char('\n'));
        }
        auto* memo = new QPlainTextEdit(text, &parent);
        memo->setReadOnly(true);
        memo->setLineWrapMode(object.Boolean(u"WordWrap", true) ? QPlainTextEdit::WidgetWidth
                                                                : QPlainTextEdit::NoWrap);
        const QString bars = object.Text(u"ScrollBars", QStringLiteral("ssNone"));
        const bool vertical = SameWord(bars, "ssVertical") || SameWord(bars, "ssBoth");
        const bool horizontal = SameWord(bars, "ssHorizontal") || SameWord(bars, "ssBoth");
        memo->setVerticalScrollBarPolicy(vertical ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
        memo->setHorizontalScrollBarPolicy(horizontal ? Qt::ScrollBarAlwaysOn
                                                      : Qt::ScrollBarAlwaysOff);
        return memo;
    }

    static QWidget* MakeNavigator(const TDfmObject& object, QWidget& parent) {
        auto* navigator = new QWidget(&parent);
        std::vector<std::pair<TNavigatorButton, const char*>> shown;
        const TDfmValue* visible = object.Find(u"VisibleButtons");
        for (const auto& button : NavigatorButtons) {
            const bool listed = visible == nullptr ||
                                std::any_of(visible->Elements.begin(), visible->Elements.end(),
                                            [&](const TDfmValue& member) {
                                                return SameWord(member.Text, button.second);
                                            });
            if (listed) {
                shown.push_back(button);
            }
        }
        if (shown.empty()) {
            return navigator;
        }
        // The buttons share the width; the pixels left over widen the first ones by one each.
        const int count = static_cast<int>(shown.size());
        const int width = object.Integer(u"Width", 0);
        const int height = object.Integer(u"Height", 0);
        int left = 0;
        for (int i = 0; i < count; ++i) {
            const int buttonWidth = width / count + (i < width % count ? 1 : 0);
            auto* button = new QToolButton(navigator);
            button->setObjectName(QString::fromLatin1(shown[static_cast<std::size_t>(i)].second));
            button->setIcon(NavigatorGlyph(shown[static_cast<std::size_t>(i)].first));
            button->setIconSize(QSize(12, 12));
            button->setFocusPolicy(Qt::NoFocus);
            button->setGeometry(left, 0, buttonWidth, height);
            left += buttonWidth;
        }
        return navigator;
    }

    static QWidget* MakeGrid(const TDfmObject& object, QWidget& parent, const QFont& font) {
        // The first column is the grid's indicator column, which marks the current record.
        constexpr int indicatorWidth = 11;
        constexpr int defaultColumnWidth = 64;
        constexpr int titleHeight = 18;
        auto* grid = new QTableWidget(&parent);
        grid->setColumnCount(1);
        grid->setRowCount(0);
        grid->verticalHeader()->hide();
        grid->setHorizontalHeaderItem(0, new QTableWidgetItem());
        grid->setColumnWidth(0, indicatorWidth);
        const QFont titleFont = ControlFont(object, font, QStringLiteral("TitleFont"));
        if (const TDfmValue* columns = object.Find(u"Columns")) {
            for (const TDfmObject& column : columns->Items) {
                if (!column.Boolean(u"Visible", true)) {
                    continue;
                }
                const int index = grid->columnCount();
                grid->setColumnCount(index + 1);
                auto* title =
                    new QTableWidgetItem(column.Text(u"Title.Caption", column.Text(u"FieldName")));
                title->setTextAlignment(
                    HorizontalAlignment(column.Text(u"Title.Alignment"), Qt::AlignLeft) |
                    Qt::AlignVCenter);
                title->setFont(titleFont);
                grid->setHorizontalHeaderItem(index, title);
                grid->setColumnWidth(index, column.Integer(u"Width", defaultColumnWidth));
            }
        }
        QHeaderView* header = grid->horizontalHeader();
        header->setSectionResizeMode(QHeaderView::Fixed);
        header->setMinimumSectionSize(indicatorWidth);
        header->setHighlightSections(false);
        header->setFixedHeight(titleHeight);
        grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        return grid;
    }

    QWidget* MakePageControl(const TDfmObject& object, QWidget& parent, const QFont& font) {
        auto* pages = new QTabWidget(&parent);
        pages->setGeometry(Place(object));
        const QString active = object.Text(u"ActivePage");
        for (const TDfmObject& child : object.Children) {
            if (!IsClass(child, "TTabSheet") || !child.Boolean(u"TabVisible", true)) {
                continue;
            }
            auto* sheet = new QWidget();
            sheet->setObjectName(child.Name);
            sheet->setProperty("dfmClass", child.ClassName);
            const QFont sheetFont = ControlFont(child, font);
            sheet->setFont(sheetFont);
            pages->addTab(sheet, child.Text(u"Caption", child.Name));
            // The sheets take their size from the page control only once it is laid out;
            // their children need it now, for their alignment.
            sheet->resize(pages->contentsRect().size());
            BuildChildren(child, *sheet, sheetFont);
            if (!active.isEmpty() && child.Name.compare(active, Qt::CaseInsensitive) == 0) {
                pages->setCurrentWidget(sheet);
            }
        }
        return pages;
    }

    QWidget* MakePanel(const TDfmObject& object, QWidget& parent, const QFont& font) {
        auto* panel = new QFrame(&parent);
        panel->setGeometry(Place(object));
        const QString outer = object.Text(u"BevelOuter", QStringLiteral("bvRaised"));
        panel->setFrameShape(SameWord(outer, "bvNone") ? QFrame::NoFrame : QFrame::Panel);
        panel->setFrameShadow(SameWord(outer, "bvLowered") ? QFrame::Sunken : QFrame::Raised);
        auto* caption = new QLabel(LabelText(object.Text(u"Caption")), panel);
        caption->setAlignment(Qt::AlignCenter);
        caption->setGeometry(panel->rect());
        BuildChildren(object, *panel, font);
        return panel;
    }
};

// A form's size is that of its window; a form file that gives the client area's instead
// (ClientWidth, ClientHeight) gets the frame around it.
QSize WindowSize(const TDfmObject& form) {
    const int clientWidth = form.Integer(u"ClientWidth", -1);
    const int clientHeight = form.Integer(u"ClientHeight", -1);
    return QSize(clientWidth >= 0 ? clientWidth + 2 * FrameWidth : form.Integer(u"Width", 320),
                 clientHeight >= 0 ? clientHeight + 2 * FrameWidth + CaptionHeight
                                   : form.Integer(u"Height", 240));
}

} // namespace

void UseWindowsLook() {
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Windows")));
    QPalette palette(Qt::black, ButtonFace, Qt::white, QColor(0x40, 0x40, 0x40),
                     QColor(0x80, 0x80, 0x80), Qt::black, Qt::white, Qt::white, ButtonFace);
    palette.setColor(QPalette::Highlight, CaptionLeft);
    palette.setColor(QPalette::HighlightedText, Qt::white);
    QApplication::setPalette(palette);
    // Liberation Sans has Arial's widths, which are close to those of Windows' dialog fonts.
    for (const char* family :
         {"Tahoma", "MS Sans Serif", "Microsoft Sans Serif", "Segoe UI", "Arial", "Verdana"}) {
        QFont::insertSubstitution(QString::fromLatin1(family), QStringLiteral("Liberation Sans"));
    }
}

std::unique_ptr<QWidget> BuildFormWindow(const TDfmObject& form) {
    // Delphi 7's own default font, for a form file that names none.
    QFont defaultFont(QStringLiteral("MS Sans Serif"));
    defaultFont.setPixelSize(11);
    const QFont formFont = ControlFont(form, defaultFont);

    auto window = std::make_unique<TFormFrame>(form.Text(u"Caption", form.Name));
    window->setObjectName(QStringLiteral("FormWindow"));
    window->setFont(formFont);
    window->resize(WindowSize(form));

    // The client area scrolls when the controls reach past it and the form scrolls itself
    // (AutoScroll, on unless the form file turns it off).
    auto* client = new QScrollArea(window.get());
    client->setObjectName(QStringLiteral("ClientArea"));
    client->setFrameShape(QFrame::NoFrame);
    client->setGeometry(FrameWidth, FrameWidth + CaptionHeight, window->width() - 2 * FrameWidth,
                        window->height() - 2 * FrameWidth - CaptionHeight);
    const Qt::ScrollBarPolicy scrolling =
        form.Boolean(u"AutoScroll", true) ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff;
    client->setHorizontalScrollBarPolicy(scrolling);
    client->setVerticalScrollBarPolicy(scrolling);

    auto* content = new QWidget();
    content->setObjectName(form.Name);
    content->setProperty("dfmClass", form.ClassName);
    if (const std::optional<QColor> colour = DelphiColour(form.Text(u"Color"))) {
        QPalette palette = content->palette();
        palette.setColor(QPalette::Window, *colour);
        content->setPalette(palette);
        content->setAutoFillBackground(true);
    }
    content->resize(client->size());
    TFormBuilder().BuildChildren(form, *content, formFont);
    const QRect used = content->childrenRect();
    content->resize(content->size().expandedTo(QSize(used.right() + 1, used.bottom() + 1)));
    client->setWidget(content);
    return window;
}

QImage RenderFormWindow(QWidget& window) {
    window.setAttribute(Qt::WA_DontShowOnScreen);
    window.show();
    // The tab widgets and scroll areas lay themselves out in the event loop.
    QCoreApplication::processEvents();
    return window.grab().toImage();
}

} // namespace quorvane::formpicture
