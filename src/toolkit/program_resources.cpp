#include "toolkit/program_resources.h"

#include <QFile>

// The resources are compiled into a static library; nothing would pull them
// into the program unless something calls their initialiser, which must be
// named outside any namespace.
static void initialiseProgramResources() {
    Q_INIT_RESOURCE(lorvex);
}

namespace lorvex {
namespace {

void ensureResources() {
    static const bool initialised = [] {
        initialiseProgramResources();
        return true;
    }();
    (void)initialised;
}

}  // namespace

std::optional<QString> helpText(const QString& name) {
    ensureResources();
    QFile file(QStringLiteral(":/help/%1.txt").arg(name));
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    return QString::fromUtf8(file.readAll());
}

QIcon programIcon() {
    ensureResources();
    return QIcon(QStringLiteral(":/icon.png"));
}

}  // namespace lorvex
