// SPDX-License-Identifier: GPL-3.0-or-later
#include "SpriteResources.h"

QString SpriteResourcePath(const QString& name) {
    return QStringLiteral(":/sprites/") + name;
}
