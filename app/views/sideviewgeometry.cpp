#include "app/views/sideviewgeometry.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>

#include "app/project/filetables.h"
#include "app/project/programdata.h"
#include "app/tables/formdescription.h"
#include "app/tables/gridtable.h"
#include "app/tables/projecttables.h"
#include "app/views/soillabel.h"

namespace {

constexpr double kWorldMargin = 1.05;
constexpr int kGroundStrokes = 5;
constexpr int kTopViewPiles = 5;

double wallLengthOf(const TProgramData& project) {
    return project.wall.increments * project.wall.incrementLength;
}

}  // namespace

// Where the painting steps land on one target (the window or the page). Horizontal positions
// of the symbols are fractions f of the target's width: f = 0 the left edge, 0.5 the wall.
struct TSideViewGeometry::TTarget {
    double xLeft = 0.0;
    double xSpan = 0.0;
    std::function<double(double)> y;  // world y to pixel
    double wallCentre = 0.0;          // world x to pixel: wallCentre + x × wallScale
    double wallScale = 0.0;
    int soilPen = 1;
    int symbolPen = 2;
    int springPen = 5;
    int topViewPen = 2;
    double strokeStart = 0.0;
    double strokeStep = 0.0;
    double strokeLength = 0.0;
    double strokeDrop = 0.0;
    QPointF topViewCentre;       // of the first pile
    double topViewStep = 0.0;    // pile spacing in Wa
    double topViewRadius = 0.0;  // pile radius in Wp
    double labelTop = 0.0;

    [[nodiscard]] double x(double fraction) const { return xLeft + fraction * xSpan; }
    [[nodiscard]] QPoint at(double fraction, double pixelY) const {
        return {qRound(x(fraction)), qRound(pixelY)};
    }
};

void TSideViewGeometry::activate(const TProgramData& project) {
    const double length = wallLengthOf(project);
    const double height = project.wall.freeHeight;
    m_t0 = length / 10;
    m_outlines.clear();
    m_world = {};
    if (project.tables().table(TableName::PileSect).rowCount() > 0)
        m_outlines.push_back(
            QRectF(QPointF(-height / 40, m_t0), QPointF(height / 40, m_t0 + length)));
    if (!m_outlines.empty()) {
        // The smallest box holding the origin and every outline, widened by 5 %.
        TWorldWindow box{0.0, 0.0, 0.0, 0.0};
        for (const QRectF& outline : m_outlines) {
            box.x1 = std::min(box.x1, outline.left());
            box.x2 = std::max(box.x2, outline.right());
            box.y1 = std::min(box.y1, outline.top());
            box.y2 = std::max(box.y2, outline.bottom());
        }
        m_world = {box.x1 * kWorldMargin, box.x2 * kWorldMargin, box.y1 * kWorldMargin,
                   box.y2 * kWorldMargin};
    }
    resize(m_client);
}

void TSideViewGeometry::resize(QSize client) {
    m_client = client;
    m_view = m_world;
    if (!m_world.hasArea() || client.isEmpty()) return;
    // Scaling about 0 keeps equal scales, the wall centred and depth 0 at the top.
    const double a = (double(client.width()) / client.height()) /
                     ((m_world.x2 - m_world.x1) / (m_world.y2 - m_world.y1));
    if (a >= 1.0) {
        m_view.x1 *= a;
        m_view.x2 *= a;
    } else {
        m_view.y1 /= a;
        m_view.y2 /= a;
    }
}

QPoint TSideViewGeometry::map(double x, double y) const {
    return {qRound(m_client.width() * (x - m_view.x1) / (m_view.x2 - m_view.x1)),
            qRound(m_client.height() * (y - m_view.y1) / (m_view.y2 - m_view.y1))};
}

std::optional<QString> TSideViewGeometry::depthCaption(QPoint pixel) const {
    if (!m_view.hasArea() || m_client.isEmpty()) return std::nullopt;
    const double y = m_view.y1 + (m_view.y2 - m_view.y1) * pixel.y() / m_client.height();
    const double depth = y - m_t0;
    // No "-0.0" a hair above the wall top.
    return QStringLiteral("  Depth: ") +
           QString::number(std::abs(depth) < 0.05 ? 0.0 : depth, 'f', 1);
}

TSideDrawing TSideViewGeometry::screenDrawing(const TProgramData& project) const {
    if (!m_view.hasArea() || m_client.isEmpty()) return {};
    TTarget target;
    const double w = m_client.width();
    const double h = m_client.height();
    target.xSpan = w;
    target.y = [this, h](double y) { return h * (y - m_view.y1) / (m_view.y2 - m_view.y1); };
    target.wallScale = w / (m_view.x2 - m_view.x1);
    target.wallCentre = -m_view.x1 * target.wallScale;
    target.strokeStart = 100;
    target.strokeStep = 20;
    target.strokeLength = 15;
    target.strokeDrop = 5;
    // 400 pixels in the window's design width of 1000: kept clear of the wall at any width.
    target.topViewCentre = {0.4 * w, 70};
    target.topViewStep = 2;
    target.topViewRadius = 1;
    target.labelTop = 5;
    return drawing(project, target);
}

TSideDrawing TSideViewGeometry::paperDrawing(const TProgramData& project, QSize page) const {
    if (!m_world.hasArea() || page.isEmpty()) return {};
    TTarget target;
    const double w = page.width();
    const double h = page.height();
    const double length = wallLengthOf(project);
    target.xLeft = 0.1 * w;
    target.xSpan = 0.8 * w;
    target.y = [this, h](double y) {
        return 0.1 * h + 0.8 * h * (y - m_world.y1) / (m_world.y2 - m_world.y1);
    };
    target.wallCentre = 0.5 * w;
    target.wallScale = 0.8 * h / (m_world.y2 - m_world.y1);  // the depth's scale
    target.soilPen = 12;
    target.symbolPen = 15;
    target.springPen = 35;
    target.topViewPen = 35;
    target.strokeStart = 0.35 * h;
    target.strokeStep = 50;
    target.strokeLength = 0.015 * h;
    target.strokeDrop = 70;
    target.topViewCentre = {16 * length, 4 * length};
    target.topViewStep = 10;
    target.topViewRadius = 5;
    target.labelTop = 0.05 * h;
    return drawing(project, target);
}

TSideDrawing TSideViewGeometry::drawing(const TProgramData& project, const TTarget& target) const {
    TSideDrawing out;
    const TProjectTables& tables = project.tables();
    const double increment = project.wall.incrementLength;
    const double freeHeight = project.wall.freeHeight;
    const double groundY = target.y(m_t0);
    const double excavationY = target.y(m_t0 + freeHeight);
    auto line = [&](double f1, double y1, double f2, double y2, int pen) {
        out.strokes.push_back({target.at(f1, y1), target.at(f2, y2), pen});
    };

    // Soil layers, with the ground line, ground strokes or slope line above the first.
    const TGridTable& layers = tables.table(TableName::NewSoil);
    const bool generated =
        project.options.earthPressure > kUserSpecifiedPressure || project.options.generatePyCurves;
    if (generated && layers.rowCount() > 0) {
        const double depthFactor = project.units() == kEnglishUnits ? 12.0 : 1.0;
        double top = 0.0;
        for (int i = 0; i < layers.rowCount(); ++i) {
            const double bottom = layers.real(SoilLayerColumn::kDepth, i) * depthFactor;
            if (i == 0) {
                line(0.0, groundY, 0.5, groundY, target.soilPen);
                const double beta = project.configuration.backfillSlope;
                if (beta > 0.0) {
                    // The backfill rises at β away from the wall.
                    const double run = target.x(0.5) - target.x(0.25);
                    line(0.5, groundY, 0.25,
                         groundY - run * std::tan(beta * std::numbers::pi / 180), target.soilPen);
                } else if (beta == 0.0) {
                    for (int k = 1; k <= kGroundStrokes; ++k) {
                        const double x = target.strokeStart + target.strokeStep * k;
                        out.strokes.push_back({QPoint(qRound(x), qRound(groundY)),
                                               QPoint(qRound(x + target.strokeLength),
                                                      qRound(groundY + target.strokeDrop)),
                                               target.soilPen});
                    }
                }
            }
            const double boundaryY = target.y(m_t0 + bottom);
            const bool belowExcavation = m_t0 + bottom >= m_t0 + freeHeight;
            line(0.0, boundaryY, belowExcavation ? 1.0 : 0.5, boundaryY, target.soilPen);
            const int type = layers.integer(SoilLayerColumn::kType, i);
            const QPoint labelAt = target.at(0.0, target.y(m_t0 + top));
            out.labels.push_back({labelAt, 0, SoilLabel::name(type)});
            out.labels.push_back(
                {labelAt, 1,
                 SoilLabel::parameters(type, layers.subTable(SoilLayerColumn::kParameters, i))});
            top = bottom;
        }
    }

    // The wall.
    for (const QRectF& outline : m_outlines) {
        auto corner = [&](double x, double y) {
            return QPoint(qRound(target.wallCentre + x * target.wallScale), qRound(target.y(y)));
        };
        out.wall.push_back(QPolygon(
            {corner(outline.left(), outline.top()), corner(outline.right(), outline.top()),
             corner(outline.right(), outline.bottom()), corner(outline.left(), outline.bottom())}));
    }

    // The ground surface behind the wall and the excavation surface in front of it.
    line(0.0, groundY, 0.5, groundY, target.soilPen);
    line(0.5, excavationY, 1.0, excavationY, target.soilPen);

    const double tick = 0.01 * target.xSpan;
    auto nodeY = [&](int node) { return target.y(m_t0 + node * increment); };
    if (project.options.restraints) {
        const TGridTable& restraints = tables.table(TableName::SoilLayer);
        for (int r = 0; r < restraints.rowCount(); ++r) {
            const double y = nodeY(restraints.integer(1, r));
            line(0.5, y, 0.52, y, target.symbolPen);
            line(0.5, y, 0.52, y - tick, target.symbolPen);
            line(0.5, y, 0.52, y + tick, target.symbolPen);
        }
    }
    if (project.options.externalPyCurves) {
        const TGridTable& curveSets = tables.table(TableName::PYCurves2);
        for (int r = 0; r < curveSets.rowCount(); ++r) {
            const double y = nodeY(curveSets.integer(PyCurveSetColumn::kNode, r));
            line(0.5, y, 0.45, y, target.symbolPen);
            line(0.43, y, 0.38, y, target.symbolPen);
            line(0.38, y, 0.40, y - tick, target.symbolPen);
            line(0.38, y, 0.40, y + tick, target.symbolPen);
        }
    }
    if (project.options.lateralSprings) {
        const TGridTable& springs = tables.table(TableName::SoilStrength);
        for (int r = 0; r < springs.rowCount(); ++r) {
            const int node = springs.integer(1, r);
            if (node * increment < freeHeight)
                line(0.5, nodeY(node), 0.6, nodeY(node), target.springPen);
        }
    }

    // The top view of the piles.
    const double wa = project.configuration.activeWidth;
    const double wp = project.configuration.resistanceWidth;
    if (wa > 0.0 && wp > 0.0) {
        const double r = target.topViewRadius * wp;
        for (int k = 0; k < kTopViewPiles; ++k) {
            const QPointF centre = target.topViewCentre + QPointF(0.0, target.topViewStep * wa * k);
            out.topView.push_back({QRectF(centre - QPointF(r, r), centre + QPointF(r, r)).toRect(),
                                   target.topViewPen});
        }
        out.labels.push_back(
            {QPoint(qRound(target.topViewCentre.x() - 2 * r / 10), qRound(target.labelTop)), 0,
             QStringLiteral("top view")});
        out.labels.push_back({target.at(0.5, target.labelTop), 0, QStringLiteral("side view")});
    }
    return out;
}
