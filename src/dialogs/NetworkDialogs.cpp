// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/NetworkDialogs.h"

#include "dialogs/Style.h"
#include "game/network/Network.h"

#include <QClipboard>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QRegularExpressionValidator>
#include <QSpinBox>
#include <QTimer>
#include <QVBoxLayout>

namespace pistework::dialogs {

namespace {

// Wrapped, a sentence takes the width of the dialog, which is made wide enough for it to read
// in a few lines.
QLabel* Line(QWidget* parent, const char* name, const QString& text, int width = 0) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setWordWrap(true);
    if (width > 0) label->setMinimumWidth(width);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

void SetUp(QDialog& dialog, const char* name, const QString& title) {
    dialog.setObjectName(QString::fromLatin1(name));
    dialog.setWindowTitle(title);
    dialog.setFont(GameFont(11));
}

QString CodeText(int code) {
    return QString::fromStdString(game::net::ShowCode(code));
}

} // namespace

int NewPairingCode() {
    return static_cast<int>(QRandomGenerator::global()->bounded(game::net::kMaxCode + 1));
}

HostDialog::HostDialog(QWidget* owner, const NetService& network, const NetListener* listener,
                       quint16 port, int code)
    : QDialog(owner, kFixedDialog), listening(listener && listener->Port() != 0), code(code) {
    SetUp(*this, "FormHost", tr("Host Network Bout"));
    constexpr int kWidth = 360;
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    if (!listening) {
        layout->addWidget(Line(this, "lblWhere",
                               tr("This machine cannot take a guest on port %1:\n%2")
                                   .arg(port)
                                   .arg(listener ? listener->Error() : QString()),
                               kWidth));
    } else {
        layout->addWidget(Line(this, "lblWhere",
                               tr("Waiting for your opponent. Tell them one of these "
                                  "addresses, the port and the code:"),
                               kWidth));
        auto* form = new QFormLayout;
        form->addRow(tr("Addresses:"),
                     Line(this, "lblAddresses", network.LocalAddresses().join(QLatin1Char('\n'))));
        form->addRow(tr("Port:"), Line(this, "lblPort", QString::number(listener->Port())));
        QLabel* codeLine = Line(this, "lblCode", CodeText(code));
        codeLine->setFont(GameFont(20, true));
        form->addRow(tr("Code:"), codeLine);
        layout->addLayout(form);
    }
    // Filled once the router is asked; Copy only once there is an address to share.
    internet = Line(this, "lblInternet", QString(), kWidth);
    internet->hide();
    copy = new QPushButton(tr("&Copy"), this);
    copy->setObjectName(QStringLiteral("cmdCopy"));
    copy->hide();
    auto* router = new QHBoxLayout;
    router->addWidget(internet, 1);
    router->addWidget(copy, 0, Qt::AlignTop);
    layout->addLayout(router);
    status = Line(this, "lblStatus", QString(), kWidth);
    status->hide();
    layout->addWidget(status);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cmdCancel"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

void HostDialog::Say(const QString& text) {
    status->setText(text);
    status->show();
}

void HostDialog::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    if (afterPaint) QTimer::singleShot(0, this, std::exchange(afterPaint, {}));
}

QString HostDialog::Asking() {
    internet->setText(tr("Asking your router to open the port to the internet…"));
    internet->show();
    return internet->text();
}

QString HostDialog::RouterSaid(const game::gateway::Report& report) {
    using Kind = game::gateway::Report::Kind;
    using Failure = game::gateway::Failure;
    if (report.kind == Kind::Mapped) {
        const QString where = QStringLiteral("%1:%2").arg(
            QString::fromStdString(game::gateway::ShowAddress(report.mapping.outside)),
            QString::number(report.mapping.port));
        internet->setText(tr("Friends join at %1, code %2").arg(where, CodeText(code)));
        internet->show();
        disconnect(copy, nullptr, this, nullptr);
        const QString shared = tr("%1, code %2").arg(where, CodeText(code));
        connect(copy, &QPushButton::clicked, this,
                [shared] { QGuiApplication::clipboard()->setText(shared); });
        copy->show();
        return internet->text();
    }
    if (report.kind != Kind::Failed) return {};
    QString why;
    switch (report.failure) {
    case Failure::NoGateway:
        why = tr("No router on this network answered.");
        break;
    case Failure::Refused:
        why = tr("Your router refused to open the port.");
        break;
    case Failure::Elsewhere:
        why = tr("Your router holds that port for another machine.");
        break;
    case Failure::NotOnInternet:
        why = tr("Your router opened the port, but it is itself behind another router, your "
                 "provider's perhaps.");
        break;
    case Failure::Garbled:
        why = tr("Your router's answer could not be read.");
        break;
    case Failure::Lost:
        why = tr("Your router stopped keeping the port open.");
        break;
    case Failure::NotAsked:
        why = tr("The router could not be asked.");
        break;
    }
    copy->hide();
    internet->setText(tr("%1 Friends on the internet cannot join yet: see “Playing over the "
                         "internet” in the README to open the port by hand.")
                          .arg(why));
    internet->show();
    return internet->text();
}

JoinDialog::JoinDialog(QWidget* owner, NetService& network, const QString& where, int given,
                       bool watch, OnJoin onJoin)
    : QDialog(owner, kFixedDialog), network(network), join(std::move(onJoin)) {
    SetUp(*this, "FormJoin", watch ? tr("Watch Network Bout") : tr("Join Network Bout"));
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    constexpr int kWidth = 320;
    layout->addWidget(Line(this, "lblWhere",
                           watch ? tr("Ask the player who hosts the bout for these:")
                                 : tr("Ask your opponent, who hosts the bout, for these:"),
                           kWidth));
    auto* form = new QFormLayout;
    address = new QLineEdit(where, this);
    address->setObjectName(QStringLiteral("txtAddress"));
    address->setMinimumWidth(220);
    form->addRow(tr("&Address:"), address);
    port = new QSpinBox(this);
    port->setObjectName(QStringLiteral("txtPort"));
    port->setRange(1, 65535);
    port->setValue(game::net::kDefaultPort);
    form->addRow(tr("&Port:"), port);
    // A port given with the address shows in the port box.
    if (const auto given = game::net::ParseAddress(where.toStdString())) {
        address->setText(QString::fromStdString(given->host));
        port->setValue(given->port);
    }
    code = new QLineEdit(given >= 0 ? CodeText(given) : QString(), this);
    code->setObjectName(QStringLiteral("txtCode"));
    // Six digits, with or without the space the host's dialog shows between their halves.
    code->setMaxLength(7);
    code->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[0-9]{0,3} ?[0-9]{0,3}")), code));
    form->addRow(tr("&Code:"), code);
    layout->addLayout(form);
    status = Line(this, "lblStatus", QString(), kWidth);
    status->hide();
    layout->addWidget(status);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    joinButton =
        buttons->addButton(watch ? tr("&Watch") : tr("&Join"), QDialogButtonBox::AcceptRole);
    joinButton->setObjectName(QStringLiteral("cmdJoin"));
    joinButton->setDefault(true);
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cmdCancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &JoinDialog::Join);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    connect(this, &QDialog::finished, this, [this] { connecting.reset(); });
}

void JoinDialog::Say(const QString& text) {
    status->setText(text);
    status->show();
    joinButton->setEnabled(true);
}

QString JoinDialog::Where() const {
    const QString host = address->text().trimmed();
    // An IPv6 address takes brackets to carry its port.
    const QString shown = host.contains(QLatin1Char(':')) ? QStringLiteral("[%1]").arg(host) : host;
    return QStringLiteral("%1:%2").arg(shown).arg(port->value());
}

void JoinDialog::Join() {
    const auto where = game::net::ParseAddress(address->text().toStdString(),
                                               static_cast<std::uint16_t>(port->value()));
    if (!where) return Say(tr("That is not an address a host can have."));
    const auto pairing = game::net::ParseCode(code->text().toStdString());
    if (!pairing) return Say(tr("The code is the six digits the host shows."));
    joinButton->setEnabled(false);
    status->setText(tr("Connecting to %1…").arg(QString::fromStdString(where->host)));
    status->show();
    connecting = network.Connect(
        QString::fromStdString(where->host), where->port,
        [this, code = *pairing] {
            status->setText(tr("Connected; waiting for the host…"));
            join(std::move(connecting), code);
        },
        [this](const QString& why) {
            connecting.reset();
            Say(tr("Could not connect: %1").arg(why));
        });
}

} // namespace pistework::dialogs
