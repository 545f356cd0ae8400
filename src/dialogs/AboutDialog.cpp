// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/AboutDialog.h"

#include "dialogs/Style.h"

#include <QMouseEvent>
#include <QPushButton>

#include <functional>
#include <utility>

namespace pistework::dialogs {

namespace {

QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A web address that opens when clicked, drawn the way links are drawn.
class LinkLabel : public QLabel {
public:
    LinkLabel(QWidget* parent, const PlacedText& placed, std::function<void()> click)
        : QLabel(Text(placed.link), parent), click(std::move(click)) {
        setObjectName(QString::fromLatin1(placed.name));
        setAttribute(Qt::WA_TranslucentBackground);
        QFont underlined = font();
        underlined.setUnderline(true);
        setFont(underlined);
        QPalette colours = palette();
        colours.setColor(QPalette::WindowText, colours.color(QPalette::Highlight));
        setPalette(colours);
        setCursor(Qt::PointingHandCursor);
        setAccessibleDescription(AboutDialog::tr("Opens in your web browser"));
        setAlignment(Qt::AlignLeft | Qt::AlignTop);
        // Only the address itself answers a click, not the blank beside it.
        setGeometry(placed.geometry.x(), placed.geometry.y(), sizeHint().width(),
                    placed.geometry.height());
    }

protected:
    void mouseReleaseEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
            click();
    }

private:
    std::function<void()> click;
};

} // namespace

// Client 356 x 213. In DejaVu Sans, Label2, Label3 and Label4 each need one line more than
// at the first size; the window keeps its width and grows 39 px: 33 for those lines, 6 to
// keep Label2 apart from Label3 as before. What follows moves down by as much. A link is as
// wide as its address.
const std::array<PlacedText, 7> AboutDialog::kTexts{{
    {"Label1",
     QT_TRANSLATE_NOOP("pistework::dialogs::AboutDialog",
                       "The Brackenmoor Fencing Association organises local fencing "
                       "competitions and courses within the county of Brackenmoor."),
     {8, 8, 340, 32}},
    {"Label2",
     QT_TRANSLATE_NOOP("pistework::dialogs::AboutDialog",
                       "It is responsible for the distribution of fencing information "
                       "within the county and for liason between Valdmark and the clubs "
                       "in the Area"),
     {8, 40, 340, 39}},
    {"Label3",
     QT_TRANSLATE_NOOP("pistework::dialogs::AboutDialog",
                       "For further information about fencing in Brackenmoor, visit our "
                       "website at: "),
     {8, 85, 340, 26}},
    {"LabelTalbrook", "", {24, 111, 0, 14}, game::kAssociationAddress},
    {"Label4",
     QT_TRANSLATE_NOOP("pistework::dialogs::AboutDialog",
                       "For further information of clubs in your own area contact "
                       "Valdmark on"),
     {8, 130, 340, 26}},
    {"LabelValdmark", "", {24, 156, 0, 14}, game::kFederationAddress},
    {"Label7",
     QT_TRANSLATE_NOOP("pistework::dialogs::AboutDialog", "or your own national federation"),
     {8, 170, 240, 16}},
}};

AboutDialog::AboutDialog(QWidget* owner, platform::Launcher& launcher,
                         game::Environment environment)
    : QDialog(owner, kFixedDialog), launcher(launcher), environment(std::move(environment)) {
    SetUpFixedDialog(*this, "FormAbout", tr("About B.K.S."), {356, 213});
    for (const PlacedText& placed : kTexts) {
        if (placed.link.empty())
            WrappedLabel(this, placed.name, tr(placed.text), placed.geometry);
        else
            new LinkLabel(this, placed, [this, address = placed.link] { Open(address); });
    }
    CloseButton(*this, {284, 180, 64, 25});
}

// The browser starts on its own: the dialog and the game go on at once, and a browser that
// cannot start shows nothing.
void AboutDialog::Open(std::string_view address) {
    game::OpenPage(launcher, environment, address);
}

} // namespace pistework::dialogs
