#include "SpriteResources.h"

QString SpriteResourcePath(const QString& name) {
    return QStringLiteral(":/sprites/") + name;
}
