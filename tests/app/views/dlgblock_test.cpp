// The 3D view's window behaviour that needs no drawing: the mouse wheel and the deformed-shape
// dialog's "Fit".
#include "app/views/dlgblock.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QWheelEvent>

#include "app/views/dlgdeformedshape.h"
#include "app/views/glwindow.h"
#include "viewsfixture.h"

namespace {

struct TBlockFixture : TViewsProject {
    TBlockFixture() { englishExample(project); }  // 40 increments of 6 in: 240 in of wall
    std::vector<double> deflection{2.0, 1.0, 0.5};
    TDlgBlock view{[this] { return &project; }, [this] { return deflection; }};

    void turnWheel(int degreesTimesEight) {
        const QPointF at(10, 10);
        QWheelEvent wheel(at, view.gl().mapToGlobal(at), QPoint(), QPoint(0, degreesTimesEight),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&view.gl(), &wheel);
    }
};

}  // namespace

TEST(TDlgBlock, TheMouseWheelZoomsInEveryMouseMode) {
    TBlockFixture f;
    for (int mode : {T3DViewState::Panning, T3DViewState::Zooming, T3DViewState::Rotating}) {
        f.view.setMouseMode(mode);
        const double before = f.view.viewState().zoom;
        f.turnWheel(120);
        EXPECT_DOUBLE_EQ(f.view.viewState().zoom, before * T3DViewState::kZoomInFactor) << mode;
        f.turnWheel(-120);
        EXPECT_NEAR(f.view.viewState().zoom, before, 1e-9) << mode;
    }
}

TEST(TDlgBlock, FitMagnifiesTheLargestDeflectionToATenthOfTheWall) {
    TBlockFixture f;
    EXPECT_DOUBLE_EQ(f.view.wallLength(), 240.0);
    f.view.showDeformedShapeDialog();
    auto* dialog = f.view.findChild<TDlgDeformedShape*>();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->EditDefFactor().text(), "0");  // the factor still starts at 0
    dialog->fitFactor();
    EXPECT_DOUBLE_EQ(f.view.switches().deformationFactor, 10.0);  // 24 in / 2 in = 12
    EXPECT_EQ(dialog->EditDefFactor().text(), "10");

    f.deflection.clear();  // nothing to fit: the factor stays
    dialog->fitFactor();
    EXPECT_DOUBLE_EQ(f.view.switches().deformationFactor, 10.0);
}
