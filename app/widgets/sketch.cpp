#include "app/widgets/sketch.h"

#include <QFile>
#include <QSvgRenderer>
#include <QSvgWidget>

// The resources of a static library are registered by hand.
static void registerSketches() { Q_INIT_RESOURCE(sketches); }

QWidget* createSketch(const QString& name, QWidget* parent) {
    static const bool registered = (registerSketches(), true);
    (void)registered;
    const QString path = QStringLiteral(":/sketches/%1.svg").arg(name.toLower());
    if (name.isEmpty() || !QFile::exists(path)) return nullptr;
    auto* sketch = new QSvgWidget(path, parent);
    sketch->setFixedSize(sketch->renderer()->defaultSize());
    return sketch;
}
