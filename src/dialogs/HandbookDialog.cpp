// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/HandbookDialog.h"

#include "dialogs/Style.h"

#include <QHBoxLayout>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace pistework::dialogs {

HandbookDialog::HandbookDialog(QWidget* owner, const Handbook::Facts& facts)
    : QDialog(owner, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                         Qt::WindowMaximizeButtonHint),
      browser(new QTextBrowser(this)) {
    setObjectName(QStringLiteral("FormHandbook"));
    setWindowTitle(tr("Handbook"));
    browser->setObjectName(QStringLiteral("txtHandbook"));
    browser->setOpenLinks(false);
    // The pictures come from memory, under the names the page gives them.
    for (const Handbook::Picture& picture : Handbook::Pictures())
        browser->document()->addResource(QTextDocument::ImageResource, QUrl(picture.fileName),
                                         picture.image);
    browser->setHtml(Handbook::Html(facts));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(CloseButton(*this, {0, 0, 80, 25}));
    auto* column = new QVBoxLayout(this);
    column->addWidget(browser);
    column->addLayout(buttons);
    // Wide enough for the pictures beside their texts, tall enough for a section at a time.
    resize(640, 560);
}

} // namespace pistework::dialogs
