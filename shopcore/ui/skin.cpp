#include "skin.h"

#include <QApplication>
#include <QFile>

namespace Skin {

void apply(const SkinChoice& choice, const LocalFiles& files) {
    auto* app = qobject_cast<QApplication*>(QCoreApplication::instance());
    if (!app)
        return;
    switch (choice.kind) {
    case SkinChoice::Kind::Off:
        app->setStyleSheet(QString());
        break;
    case SkinChoice::Kind::File: {
        QFile file(files.resolve(choice.file));
        if (file.open(QIODevice::ReadOnly | QIODevice::Text))
            app->setStyleSheet(QString::fromUtf8(file.readAll()));
        break;
    }
    case SkinChoice::Kind::Unchanged:
        break;
    }
}

QString current() {
    auto* app = qobject_cast<QApplication*>(QCoreApplication::instance());
    return app ? app->styleSheet() : QString();
}

} // namespace Skin
