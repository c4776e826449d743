#include "widgets/Look.h"

#include "widgets/PngImage.h"

#include <QApplication>
#include <QFontDatabase>
#include <QPalette>
#include <QPixmap>
#include <QStyle>
#include <QWidget>

#include <functional>

namespace Look {

namespace {

// What a class changes: colours of the palette and attributes of the font.
struct Change
{
    QPalette palette;
    QFont font;
    bool fontChanged = false;
    bool filled = false;
};

// A text colour: the text of an entry field, the window text of everything else.
void setTextColour(QWidget* widget, Change& change, const QColor& colour)
{
    const bool entry = widget->inherits("QAbstractScrollArea") || widget->inherits("QLineEdit");
    change.palette.setColor(entry ? QPalette::Text : QPalette::WindowText, colour);
}

void setFont(Change& change, int pointSize, bool bold)
{
    change.fontChanged = true;
    if (pointSize > 0)
        change.font.setPointSize(pointSize);
    change.font.setBold(bold);
}

// The classes a form may name, with what each does to a control.
using ClassRule = std::function<void(QWidget*, Change&)>;
const QHash<QString, ClassRule>& classRules()
{
    auto colour = [](QColor c) { return [c](QWidget* w, Change& change) { setTextColour(w, change, c); }; };
    auto font = [](int pointSize, bool bold) { return [=](QWidget*, Change& change) { setFont(change, pointSize, bold); }; };
    auto field = [](QColor base, QColor text) {
        return [=](QWidget*, Change& change) {
            change.palette.setColor(QPalette::Base, base);
            change.palette.setColor(QPalette::Text, text);
        };
    };
    static const QHash<QString, ClassRule> rules = {
        // Text colours
        {QStringLiteral("gold"), colour({255, 255, 128})},
        {QStringLiteral("blue"), colour({0, 0, 255})},
        {QStringLiteral("cyan"), colour({0, 255, 255})},
        {QStringLiteral("orange"), colour({255, 192, 128})},
        {QStringLiteral("pink"), colour({255, 128, 255})},
        {QStringLiteral("lavender"), colour({128, 128, 255})},
        {QStringLiteral("green"), colour({128, 255, 128})},
        {QStringLiteral("ochre"), colour({230, 193, 106})},
        // Fonts, on Verdana 8.25 pt
        {QStringLiteral("heading"), font(16, true)},
        {QStringLiteral("title"), font(12, true)},
        {QStringLiteral("sign"), font(9, true)},
        {QStringLiteral("large"), font(9, false)},
        {QStringLiteral("bold"), font(0, true)},
        {QStringLiteral("tibetan"),
         [](QWidget*, Change& change) {
             change.fontChanged = true;
             change.font.setFamilies(tibetanFamilies());
         }},
        // Entry fields: the reading's paragraphs lie on the purple, the report on pink.
        {QStringLiteral("purpleField"),
         [](QWidget*, Change& change) {
             change.palette.setColor(QPalette::Base, Background);
             change.palette.setColor(QPalette::Window, Background);
         }},
        {QStringLiteral("whiteField"), field(Qt::white, Qt::black)},
        {QStringLiteral("reportField"), field({255, 192, 255}, Qt::black)},
        // The style's own light palette (menu bars, the offers), every role set so
        // that nothing of the purple shines through.
        {QStringLiteral("standard"),
         [](QWidget*, Change& change) {
             const QPalette standard = QApplication::style()->standardPalette();
             for (int group = 0; group < QPalette::NColorGroups; ++group) {
                 for (int role = 0; role < QPalette::NColorRoles; ++role) {
                     const auto g = QPalette::ColorGroup(group);
                     const auto r = QPalette::ColorRole(role);
                     change.palette.setColor(g, r, standard.color(g, r));
                 }
             }
         }},
        {QStringLiteral("filled"), [](QWidget*, Change& change) { change.filled = true; }},
    };
    return rules;
}

// Applies the classes of widget and its children; inside a section the text is regular.
void applyClasses(QWidget* widget, bool inSection)
{
    const QStringList classes = widget->property("look").toString().split(u' ', Qt::SkipEmptyParts);
    Change change;
    // A font the control sets itself (a link is bold) stays; the classes add to it.
    if (widget->testAttribute(Qt::WA_SetFont)) {
        change.font = widget->font();
    } else if (inSection) {
        change.font.setBold(false);
        change.fontChanged = true;
    }
    for (const QString& name : classes) {
        const auto rule = classRules().constFind(name);
        if (rule != classRules().constEnd())
            (*rule)(widget, change);
        else  // a misspelt class in a form: said, not silently dropped
            qWarning("Look: %s names the unknown class \"%s\"", qPrintable(widget->objectName()), qPrintable(name));
    }
    if (change.palette.resolveMask() != 0)
        widget->setPalette(change.palette);
    // Only a real change: a drop-down list told of one builds its list window at once.
    if (change.fontChanged && change.font.resolve(widget->font()) != widget->font())
        widget->setFont(change.font);
    if (change.filled)
        widget->setAutoFillBackground(true);

    const bool section = inSection || widget->inherits("SectionBox");
    for (QObject* child : widget->children()) {
        if (child->isWidgetType() && !static_cast<QWidget*>(child)->isWindow())
            applyClasses(static_cast<QWidget*>(child), section);
    }
}

} // namespace

QIcon applicationIcon()
{
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128})
        icon.addPixmap(QPixmap::fromImage(pngImage(QStringLiteral(":/icon/zarvo-%1.png").arg(size))));
    return icon;
}

QFont verdana(double pointSize, bool bold)
{
    // Decided once: a family list makes every font lookup try Verdana first.
    // Looked up among the installed families: hasFamily() would also resolve Verdana
    // through the font configuration's aliases, which costs time and finds nothing here.
    static const QString family = QFontDatabase::families().contains(QStringLiteral("Verdana"), Qt::CaseInsensitive)
                                      ? QStringLiteral("Verdana")
                                      : QStringLiteral("DejaVu Sans");
    QFont font;
    font.setFamily(family);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

QStringList tibetanFamilies()
{
    return {QStringLiteral("Microsoft Himalaya"), QStringLiteral("Tibetan Machine Uni"),
            QStringLiteral("Noto Serif Tibetan"), QStringLiteral("DDC Uchen")};
}

void applyWindowLook(QWidget* window)
{
    QPalette palette = window->palette();
    palette.setColor(QPalette::Window, Background);
    palette.setColor(QPalette::WindowText, White);
    window->setPalette(palette);
    window->setAutoFillBackground(true);
    window->setFont(verdana());
}

void applyClasses(QWidget* window)
{
    for (QObject* child : window->children()) {
        if (child->isWidgetType() && !static_cast<QWidget*>(child)->isWindow())
            applyClasses(static_cast<QWidget*>(child), false);
    }
}

} // namespace Look
