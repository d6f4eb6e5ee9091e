#include <gtest/gtest.h>

#include <QCheckBox>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QImage>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <cmath>

#include "app/views/dlgblock.h"
#include "app/views/dlgdeformedshape.h"
#include "app/views/eopengl.h"
#include "app/views/glwindow.h"
#include "viewsfixture.h"

// These cases draw with a real OpenGL context; ctest runs them under a virtual X server.
namespace {

// Lets the window come up and handle what is queued; grabFramebuffer() then paints at once.
void settle(QWidget& window) {
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    QCoreApplication::processEvents();
}

// Pixels that differ from the white background.
int paintedPixels(const QImage& image) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) n += (image.pixel(x, y) & 0xffffff) != 0xffffff;
    return n;
}

// A cantilever-like deflection, largest at the top, for every node of the example.
std::vector<double> deflectionOf(const TProgramData& project) {
    std::vector<double> d;
    const int n = project.wall.increments;
    for (int i = 0; i <= n; ++i) d.push_back(0.5 * std::pow(1.0 - double(i) / n, 2));
    return d;
}

struct TRendered : TViewsProject {
    TRendered() { readExample(QStringLiteral("anchored_silt_strong_rock.kd5d")); }
    TDlgBlock view{[this] { return &project; }, [this] { return deflectionOf(project); }};

    QImage draw() {
        view.resize(800, 600);
        view.show();
        settle(view);
        return view.gl().grabFramebuffer();
    }
};

}  // namespace

TEST(Render3D, DrawsTheAnchoredExample) {
    if (QGuiApplication::platformName() == QLatin1String("offscreen"))
        GTEST_SKIP() << "needs an X display (ctest runs it under xvfb-run)";
    TRendered f;
    const QImage image = f.draw();
    ASSERT_TRUE(f.view.gl().contextError().isEmpty()) << f.view.gl().contextError().toStdString();
    EXPECT_EQ(f.view.windowTitle(), "3-D View");
    EXPECT_GT(paintedPixels(image), image.width() * image.height() / 20);
    // Turned to show the panels, soil blocks and anchors in depth.
    f.view.setViewAngles({25.0, 0.0, -35.0});
    settle(f.view);
    const QImage turned = f.view.gl().grabFramebuffer();
    EXPECT_NE(turned, image);
    EXPECT_TRUE(f.view.gl().Blending());
    EXPECT_FALSE(f.view.gl().DepthTesting());  // a frame ends with the axes drawn over the scene
    EXPECT_FALSE(f.view.gl().Fog());
}

TEST(Render3D, DeformedShapeAndViewChangesRedraw) {
    if (QGuiApplication::platformName() == QLatin1String("offscreen"))
        GTEST_SKIP() << "needs an X display (ctest runs it under xvfb-run)";
    TRendered f;
    const QImage straight = f.draw();
    ASSERT_TRUE(f.view.gl().contextError().isEmpty());
    EXPECT_TRUE(f.view.deformedShapeAvailable());

    f.view.showDeformedShapeDialog();
    auto* dialog = f.view.findChild<TDlgDeformedShape*>();
    ASSERT_NE(dialog, nullptr);
    EXPECT_FALSE(dialog->EditDefFactor().isEnabled());
    dialog->showDeformed().setChecked(true);
    EXPECT_TRUE(dialog->EditDefFactor().isEnabled());
    dialog->stepFactor(true);  // 0 becomes 1
    EXPECT_EQ(dialog->EditDefFactor().text(), "1");
    for (int i = 0; i < 10; ++i) dialog->stepFactor(true);  // 2, 3, ..., 10, 20
    EXPECT_DOUBLE_EQ(f.view.switches().deformationFactor, 20.0);
    dialog->close();
    f.view.restartView();
    settle(f.view);
    const QImage deformed = f.view.gl().grabFramebuffer();
    EXPECT_NE(deformed, straight);

    // The menu's check marks follow the switches.
    QMenu menu;
    f.view.fillShowMenu(menu);
    ASSERT_EQ(menu.actions().size(), 9);
    emit menu.aboutToShow();
    EXPECT_TRUE(menu.actions()[1]->isChecked());
    EXPECT_TRUE(menu.actions()[8]->isEnabled());  // "Deformed Shape": deflections are loaded
    menu.actions()[1]->trigger();                 // "Soil Layers" off
    EXPECT_FALSE(f.view.switches().soilLayers);
    f.view.zoomIn();
    f.view.zoomIn();
    settle(f.view);
    const QImage zoomed = f.view.gl().grabFramebuffer();
    EXPECT_NE(zoomed, deformed);
}

TEST(Render3D, DrawingCallsBetweenBeginAndEndRaiseEOpenGL) {
    if (QGuiApplication::platformName() == QLatin1String("offscreen"))
        GTEST_SKIP() << "needs an X display (ctest runs it under xvfb-run)";
    TRendered f;
    (void)f.draw();
    ASSERT_TRUE(f.view.gl().contextError().isEmpty());
    TglWindow& gl = f.view.gl();
    // Outside painting a call that OpenGL refuses between glBegin and glEnd raises.
    QString message;
    gl.Begin(TglWindow::glLines());
    gl.Vertex(0, 0, 0);
    try {
        gl.LoadIdentity();
    } catch (const EOpenGL& error) {
        message = error.message();
    }
    EXPECT_EQ(message, "operation cannot be performed between glBegin and glEnd");
    gl.End();
    gl.setFog(true);
    EXPECT_TRUE(gl.Fog());
    gl.setFog(false);
    EXPECT_FALSE(gl.Fog());
}
