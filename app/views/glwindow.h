#pragma once

#include <QColor>
#include <QFont>
#include <QOpenGLWidget>
#include <QString>
#include <array>
#include <functional>
#include <vector>

#include "app/views/gl3vector.h"

class QMouseEvent;

// A light of the control; kept for the owner, it holds no settings.
struct TglLight {};

enum class TGLShadeModel { glFlat, glSmooth };

// A control that owns an OpenGL rendering context with the fixed-function pipeline (a
// compatibility-profile context) and lets its owner draw a scene in OnPaint. Operations outside
// painting make the context current themselves, check the OpenGL error state and repaint.
class TglWindow : public QOpenGLWidget {
    Q_OBJECT

  public:
    static constexpr unsigned kGlyphListBase = 1000;  // one display list per character code

    explicit TglWindow(QWidget* parent = nullptr);
    ~TglWindow() override;

    // The surface format the control asks for: double-buffered RGBA with a depth buffer and
    // the compatibility profile, so that immediate mode and display lists work.
    [[nodiscard]] static QSurfaceFormat requiredFormat();

    // Empty while the context works; else why it could not be created.
    [[nodiscard]] const QString& contextError() const { return m_contextError; }

    // Properties. The five switches keep no copy: they ask and set the context.
    enum class TCapability { Blending, PolygonFiltering, DepthTesting, Fog, Lighting };
    [[nodiscard]] QColor BackgroundColor() const { return m_background; }
    void setBackgroundColor(const QColor& colour);
    [[nodiscard]] bool Blending() { return isEnabled(TCapability::Blending); }
    void setBlending(bool on) { setCapability(TCapability::Blending, on); }
    [[nodiscard]] bool PolygonFiltering() { return isEnabled(TCapability::PolygonFiltering); }
    void setPolygonFiltering(bool on) { setCapability(TCapability::PolygonFiltering, on); }
    [[nodiscard]] bool DepthTesting() { return isEnabled(TCapability::DepthTesting); }
    void setDepthTesting(bool on) { setCapability(TCapability::DepthTesting, on); }
    [[nodiscard]] bool Fog() { return isEnabled(TCapability::Fog); }
    void setFog(bool on) { setCapability(TCapability::Fog, on); }
    [[nodiscard]] bool Lighting() { return isEnabled(TCapability::Lighting); }
    void setLighting(bool on) { setCapability(TCapability::Lighting, on); }
    Tgl3Vector EyePosition{*this, 0, 0, 1};
    Tgl3Vector UpVector{*this, 0, 1, 0};
    Tgl3Vector ViewPosition{*this, 0, 0, 0};
    [[nodiscard]] double FOV() const { return m_fov; }
    void setFOV(double degrees);
    [[nodiscard]] TGLShadeModel ShadeModel() const { return m_shadeModel; }
    void setShadeModel(TGLShadeModel model);
    [[nodiscard]] const std::vector<TglLight>& lights() const { return m_lights; }

    // Events of the owner.
    std::function<void()> OnPaint;
    std::function<void()> OnCreate;
    std::function<void()> OnClick;
    std::function<void(QMouseEvent&)> OnMouseDown;
    std::function<void(QMouseEvent&)> OnMouseUp;
    std::function<void(QMouseEvent&)> OnMouseMove;
    std::function<void()> OnRelease;  // the context is current; free the owner's GL objects

    // Pass-through operations on the control's context.
    void MatrixMode(unsigned mode);
    void Clear(unsigned mask);
    void Enable(unsigned capability);
    void Disable(unsigned capability);
    void Begin(unsigned primitive);
    void End();
    void Finish();
    void Rotate(double degrees, double x, double y, double z);
    void Translate(double x, double y, double z);
    void Scale(double x, double y, double z);
    void Ortho(double left, double right, double bottom, double top, double zNear, double zFar);
    void Vertex(double x, double y, double z);
    void Color(float red, float green, float blue, float alpha);
    void ClearColor(float red, float green, float blue, float alpha);
    void LoadIdentity();
    void BlendFunc(unsigned source, unsigned destination);
    void PushMatrix();
    void PopMatrix();
    void CallList(unsigned list);
    void NewList(unsigned list, unsigned mode);
    void EndList();
    void DeleteList(unsigned list);
    void LineWidth(float width);
    [[nodiscard]] std::array<double, 16> GetDoublev(unsigned query);
    [[nodiscard]] std::array<int, 4> GetViewport();

    // Constants the owner needs.
    [[nodiscard]] static unsigned glModelView();
    [[nodiscard]] static unsigned glProjection();
    [[nodiscard]] static unsigned glModelViewMatrix();
    [[nodiscard]] static unsigned glColorBufferBit();
    [[nodiscard]] static unsigned glDepthBufferBit();
    [[nodiscard]] static unsigned glDepthTest();
    [[nodiscard]] static unsigned glCullFace();
    [[nodiscard]] static unsigned glBlend();
    [[nodiscard]] static unsigned glSrcAlpha();
    [[nodiscard]] static unsigned glOneMinusSrcAlpha();
    [[nodiscard]] static unsigned glSmoothShading();
    [[nodiscard]] static unsigned glLines();
    [[nodiscard]] static unsigned glLineStrip();
    [[nodiscard]] static unsigned glTriangleFan();
    [[nodiscard]] static unsigned glCompile();
    [[nodiscard]] static unsigned glQuads();
    [[nodiscard]] static unsigned glTriangles();

    // Draws `text` with its lower left corner at the raster position (x, y, z).
    void Text(const QString& text, double x, double y, double z);
    // Builds the glyph lists of character codes 0 to 255 from `font` into lists 1000 to 1255.
    void BuildGlyphs(const QFont& font);

    void SetSize(int width, int height);
    [[nodiscard]] bool FirstPaintDone();  // whether the owner's setup ran; marks it as run
    void ResetFirstPaint() { m_firstPaintDone = false; }
    void RequestRedraw() { m_redrawRequested = true; }
    [[nodiscard]] bool TakeRedrawRequest();
    [[nodiscard]] bool painting() const { return m_painting; }

  protected:
    void initializeGL() override;
    void resizeGL(int width, int height) override;
    void paintGL() override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

  private:
    // Runs `operation` with the context current; outside painting checks the error state,
    // releases the context and repaints. Raises EOpenGL.
    // `betweenBeginAndEnd` marks the calls OpenGL allows between glBegin and glEnd.
    void run(const std::function<void()>& operation, bool betweenBeginAndEnd = false);
    [[nodiscard]] bool isEnabled(TCapability capability);
    void setCapability(TCapability capability, bool on);
    void mouseEvent(QMouseEvent& event, const std::function<void(QMouseEvent&)>& handler);
    void releaseResources();

    QColor m_background = Qt::white;
    double m_fov = 45.0;
    TGLShadeModel m_shadeModel = TGLShadeModel::glSmooth;
    std::vector<TglLight> m_lights;
    QString m_contextError;
    bool m_painting = false;
    bool m_firstPaintDone = false;
    bool m_redrawRequested = false;
    bool m_glyphsBuilt = false;
    bool m_betweenBeginAndEnd = false;
    QPoint m_lastMouse;
    Qt::MouseButtons m_lastButtons;
    QPoint m_pressPoint;
};
