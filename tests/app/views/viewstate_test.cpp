#include "app/views/viewstate.h"

#include <gtest/gtest.h>

TEST(ViewState, ZoomInThenOutReturnsTheZoom) {
    T3DViewState state;
    state.zoom = 3.0;
    state.zoomIn();
    EXPECT_DOUBLE_EQ(state.zoom, 3.0 * 1.4142);
    state.zoomOut();
    EXPECT_NEAR(state.zoom, 3.0, 3.0 * 1e-12);
}

TEST(ViewState, RestartResetsAnglesZoomAndPans) {
    T3DViewState state;
    state.angles = {10, 20, 30};
    state.pans = {1, 2, 3};
    state.zoomIn();
    state.mode = T3DViewState::Panning;
    state.restart();
    EXPECT_EQ(state.angles, TVec3{});
    EXPECT_EQ(state.pans, TVec3{});
    EXPECT_DOUBLE_EQ(state.zoom, 1.0);
    EXPECT_EQ(state.mode, T3DViewState::Panning);  // the mouse mode stays
}

TEST(ViewState, UnrotatedScreenAxesMapToTheScene) {
    // Without user rotation the screen's right is the scene's x and the screen's up is height.
    const T3DViewState state;
    const TVec3 right = state.screenToScene({1, 0, 0});
    const TVec3 up = state.screenToScene({0, 1, 0});
    EXPECT_NEAR(right.x, 1, 1e-12);
    EXPECT_NEAR(up.z, 1, 1e-12);
    EXPECT_NEAR(up.y, 0, 1e-12);
}

TEST(ViewState, PanningMovesTheSceneWithThePointer) {
    T3DViewState state;
    state.mode = T3DViewState::Panning;
    state.press({100, 100});
    state.drag({150, 80}, false, {400, 300}, 10.0);
    EXPECT_NEAR(state.pans.x, 5.0, 1e-12);               // 50 pixels at 10 pixels per unit
    EXPECT_NEAR(state.pans.z, 2.0, 1e-12);               // 20 pixels up
    state.drag({150, 80 - 30}, true, {400, 300}, 10.0);  // shift keeps the larger component
    EXPECT_NEAR(state.pans.x, 5.0, 1e-12);
    EXPECT_NEAR(state.pans.z, 0.0, 1e-12);
}

TEST(ViewState, ZoomingAndRotatingFollowTheDrag) {
    T3DViewState state;
    state.mode = T3DViewState::Zooming;
    state.zoom = 2.0;
    state.press({0, 100});
    state.drag({0, 50}, false, {400, 200}, 1.0);
    EXPECT_DOUBLE_EQ(state.zoom, 2.0 * 1.25);

    state.mode = T3DViewState::Rotating;
    state.press({0, 0});
    state.drag({0, 200}, false, {400, 200}, 1.0);  // a full window height turns by 90 degrees
    EXPECT_NEAR(state.angles.x, 90.0, 1e-9);
}

TEST(ViewState, ZoomWindowFillsTheWindowWithTheRectangle) {
    T3DViewState state;
    state.mode = T3DViewState::ZoomWindow;
    state.press({100, 50});
    state.drag({200, 100}, false, {400, 200}, 1.0);
    EXPECT_EQ(state.selection(), QRect(QPoint(100, 50), QPoint(200, 100)));
    state.release({200, 100}, {400, 200}, 1.0);
    EXPECT_DOUBLE_EQ(state.zoom, 4.0);  // min(200/50, 400/100)
    EXPECT_TRUE(state.selection().isNull());
    // The rectangle's centre (150, 75) moves to the window centre (200, 100).
    EXPECT_NEAR(state.pans.x, 50.0, 1e-9);
    EXPECT_NEAR(state.pans.z, -25.0, 1e-9);

    T3DViewState flat;
    flat.mode = T3DViewState::ZoomWindow;
    flat.press({10, 10});
    flat.release({50, 10}, {400, 200}, 1.0);  // no height: nothing changes
    EXPECT_DOUBLE_EQ(flat.zoom, 1.0);
}
