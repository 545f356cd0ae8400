// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/SoundEffect.h"

#include <QSoundEffect>

namespace {

class QtSoundEffect : public pistework::app::SoundEffect {
public:
    QtSoundEffect(const QUrl& source, QObject* parent) : effect(new QSoundEffect(parent)) {
        effect->setSource(source);
    }
    bool Failed() const override { return effect->status() == QSoundEffect::Error; }
    void Play() override { effect->play(); }

private:
    QSoundEffect* effect;
};

} // namespace

extern "C" Q_DECL_EXPORT pistework::app::SoundEffect* pistework_NewSoundEffect(const QUrl& source,
                                                                               QObject* parent) {
    return new QtSoundEffect(source, parent);
}
