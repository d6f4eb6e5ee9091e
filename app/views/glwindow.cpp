#include "app/views/glwindow.h"

#include <GL/gl.h>

#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QMouseEvent>
#include <QOpenGLContext>
#include <QPainter>

#include "app/views/eopengl.h"
#include "app/widgets/waitcursor.h"

namespace {

constexpr int kLights = 8;
constexpr int kGlyphCount = 256;

GLenum capabilityCode(TglWindow::TCapability capability) {
    switch (capability) {
        case TglWindow::TCapability::Blending:
            return GL_BLEND;
        case TglWindow::TCapability::PolygonFiltering:
            return GL_POLYGON_SMOOTH;
        case TglWindow::TCapability::DepthTesting:
            return GL_DEPTH_TEST;
        case TglWindow::TCapability::Fog:
            return GL_FOG;
        case TglWindow::TCapability::Lighting:
            return GL_LIGHTING;
    }
    return GL_BLEND;
}

// The glyph of one character as a bitmap for glBitmap: rows from the bottom, each padded to
// whole bytes, a set bit where the glyph is drawn.
std::vector<GLubyte> glyphBitmap(const QFont& font, QChar character, int width, int height) {
    QImage image(width, height, QImage::Format_Grayscale8);
    image.fill(0);
    {
        QPainter painter(&image);
        painter.setFont(font);
        painter.setPen(Qt::white);
        painter.drawText(0, QFontMetrics(font).ascent(), QString(character));
    }
    const int rowBytes = (width + 7) / 8;
    std::vector<GLubyte> bits(static_cast<std::size_t>(rowBytes * height), 0);
    for (int row = 0; row < height; ++row) {
        const uchar* line = image.constScanLine(height - 1 - row);
        for (int x = 0; x < width; ++x)
            if (line[x] > 127)
                bits[static_cast<std::size_t>(row * rowBytes + x / 8)] |= 0x80 >> (x % 8);
    }
    return bits;
}

}  // namespace

TglWindow::TglWindow(QWidget* parent) : QOpenGLWidget(parent), m_lights(kLights) {
    setFormat(requiredFormat());
    setMouseTracking(true);
}

TglWindow::~TglWindow() {
    // The context outlives this part of the object: free now and stop listening.
    if (context()) disconnect(context(), nullptr, this, nullptr);
    releaseResources();
}

QSurfaceFormat TglWindow::requiredFormat() {
    QSurfaceFormat format;
    format.setRenderableType(QSurfaceFormat::OpenGL);
    format.setProfile(QSurfaceFormat::CompatibilityProfile);
    format.setVersion(2, 1);
    format.setSwapBehavior(QSurfaceFormat::DoubleBuffer);
    format.setRedBufferSize(8);
    format.setGreenBufferSize(8);
    format.setBlueBufferSize(8);
    format.setAlphaBufferSize(8);
    format.setDepthBufferSize(24);
    return format;
}

void TglWindow::initializeGL() {
    QOpenGLContext* gl = context();
    if (!gl || !gl->isValid() || gl->isOpenGLES() ||
        gl->format().profile() == QSurfaceFormat::CoreProfile) {
        m_contextError = QStringLiteral(
            "The 3-D view needs an OpenGL context with the fixed-function pipeline, "
            "which this display could not provide.");
        return;
    }
    connect(gl, &QOpenGLContext::aboutToBeDestroyed, this, &TglWindow::releaseResources,
            Qt::DirectConnection);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glEnable(GL_DEPTH_TEST);
    glDisable(GL_POLYGON_SMOOTH);
    glDisable(GL_FOG);
    glDisable(GL_LIGHTING);
    BuildGlyphs(font());
    if (OnCreate) OnCreate();
}

void TglWindow::releaseResources() {
    if (!context() || !m_contextError.isEmpty()) return;
    makeCurrent();
    if (OnRelease) OnRelease();
    if (m_glyphsBuilt) glDeleteLists(kGlyphListBase, kGlyphCount);
    m_glyphsBuilt = false;
    doneCurrent();
}

void TglWindow::resizeGL(int width, int height) { glViewport(0, 0, width, height); }

void TglWindow::paintGL() {
    if (!m_contextError.isEmpty() || !OnPaint) return;
    const TWaitCursor wait;
    m_painting = true;
    OnPaint();
    m_painting = false;
    (void)glGetError();  // errors while drawing are read and dropped
    // The picture is composed into the window through a texture: make it opaque, or the
    // translucent soil would also let the window's background through.
    GLfloat clearColour[4];
    glGetFloatv(GL_COLOR_CLEAR_VALUE, clearColour);
    glColorMask(GL_FALSE, GL_FALSE, GL_FALSE, GL_TRUE);
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
    glClearColor(clearColour[0], clearColour[1], clearColour[2], clearColour[3]);
    glFlush();
}

namespace {
const QString kBetweenBeginAndEnd =
    QStringLiteral("operation cannot be performed between glBegin and glEnd");
}

void TglWindow::run(const std::function<void()>& operation, bool betweenBeginAndEnd) {
    // The context's own error flag cannot tell, since making the context current clears it.
    if (m_betweenBeginAndEnd && !betweenBeginAndEnd && !m_painting)
        throw EOpenGL(kBetweenBeginAndEnd);
    // While painting, or inside a caller that made the context current, just draw.
    if (m_painting || (context() && QOpenGLContext::currentContext() == context())) {
        operation();
        return;
    }
    if (!m_contextError.isEmpty()) throw EOpenGL(m_contextError);
    makeCurrent();
    operation();
    const GLenum error = glGetError();
    doneCurrent();
    update();
    if (error == GL_INVALID_OPERATION) throw EOpenGL(kBetweenBeginAndEnd);
}

bool TglWindow::isEnabled(TCapability capability) {
    bool enabled = false;
    run([&] { enabled = glIsEnabled(capabilityCode(capability)) == GL_TRUE; });
    return enabled;
}

void TglWindow::setCapability(TCapability capability, bool on) {
    run([&] { on ? glEnable(capabilityCode(capability)) : glDisable(capabilityCode(capability)); });
}

void TglWindow::setBackgroundColor(const QColor& colour) {
    m_background = colour;
    update();
}

void TglWindow::setFOV(double degrees) {
    m_fov = degrees;
    update();
}

void TglWindow::setShadeModel(TGLShadeModel model) {
    m_shadeModel = model;
    run([&] { glShadeModel(model == TGLShadeModel::glSmooth ? GL_SMOOTH : GL_FLAT); });
}

void TglWindow::MatrixMode(unsigned mode) {
    run([&] { glMatrixMode(mode); });
}
void TglWindow::Clear(unsigned mask) {
    run([&] { glClear(mask); });
}
void TglWindow::Enable(unsigned capability) {
    run([&] { glEnable(capability); });
}
void TglWindow::Disable(unsigned capability) {
    run([&] { glDisable(capability); });
}
void TglWindow::Begin(unsigned primitive) {
    run([&] { glBegin(primitive); });
    m_betweenBeginAndEnd = true;
}
void TglWindow::End() {
    m_betweenBeginAndEnd = false;
    run([&] { glEnd(); }, true);
}
void TglWindow::Finish() {
    run([&] { glFinish(); });
}
void TglWindow::Rotate(double degrees, double x, double y, double z) {
    run([&] { glRotated(degrees, x, y, z); });
}
void TglWindow::Translate(double x, double y, double z) {
    run([&] { glTranslated(x, y, z); });
}
void TglWindow::Scale(double x, double y, double z) {
    run([&] { glScaled(x, y, z); });
}
void TglWindow::Ortho(double left, double right, double bottom, double top, double zNear,
                      double zFar) {
    run([&] { glOrtho(left, right, bottom, top, zNear, zFar); });
}
void TglWindow::Vertex(double x, double y, double z) {
    run([&] { glVertex3d(x, y, z); }, true);
}
void TglWindow::Color(float red, float green, float blue, float alpha) {
    run([&] { glColor4f(red, green, blue, alpha); }, true);
}
void TglWindow::ClearColor(float red, float green, float blue, float alpha) {
    run([&] { glClearColor(red, green, blue, alpha); });
}
void TglWindow::LoadIdentity() {
    run([&] { glLoadIdentity(); });
}
void TglWindow::BlendFunc(unsigned source, unsigned destination) {
    run([&] { glBlendFunc(source, destination); });
}
void TglWindow::PushMatrix() {
    run([&] { glPushMatrix(); });
}
void TglWindow::PopMatrix() {
    run([&] { glPopMatrix(); });
}
void TglWindow::CallList(unsigned list) {
    run([&] { glCallList(list); }, true);
}
void TglWindow::NewList(unsigned list, unsigned mode) {
    run([&] { glNewList(list, mode); });
}
void TglWindow::EndList() {
    run([&] { glEndList(); });
}
void TglWindow::DeleteList(unsigned list) {
    run([&] { glDeleteLists(list, 1); });
}
void TglWindow::LineWidth(float width) {
    run([&] { glLineWidth(width); });
}

std::array<double, 16> TglWindow::GetDoublev(unsigned query) {
    std::array<double, 16> values{};
    run([&] { glGetDoublev(query, values.data()); });
    return values;
}

std::array<int, 4> TglWindow::GetViewport() {
    std::array<int, 4> viewport{};
    run([&] { glGetIntegerv(GL_VIEWPORT, viewport.data()); });
    return viewport;
}

unsigned TglWindow::glModelView() { return GL_MODELVIEW; }
unsigned TglWindow::glProjection() { return GL_PROJECTION; }
unsigned TglWindow::glModelViewMatrix() { return GL_MODELVIEW_MATRIX; }
unsigned TglWindow::glColorBufferBit() { return GL_COLOR_BUFFER_BIT; }
unsigned TglWindow::glDepthBufferBit() { return GL_DEPTH_BUFFER_BIT; }
unsigned TglWindow::glDepthTest() { return GL_DEPTH_TEST; }
unsigned TglWindow::glCullFace() { return GL_CULL_FACE; }
unsigned TglWindow::glBlend() { return GL_BLEND; }
unsigned TglWindow::glSrcAlpha() { return GL_SRC_ALPHA; }
unsigned TglWindow::glOneMinusSrcAlpha() { return GL_ONE_MINUS_SRC_ALPHA; }
unsigned TglWindow::glSmoothShading() { return GL_SMOOTH; }
unsigned TglWindow::glLines() { return GL_LINES; }
unsigned TglWindow::glLineStrip() { return GL_LINE_STRIP; }
unsigned TglWindow::glTriangleFan() { return GL_TRIANGLE_FAN; }
unsigned TglWindow::glCompile() { return GL_COMPILE; }
unsigned TglWindow::glQuads() { return GL_QUADS; }
unsigned TglWindow::glTriangles() { return GL_TRIANGLES; }

void TglWindow::Text(const QString& text, double x, double y, double z) {
    const QByteArray codes = text.toLatin1();
    run([&] {
        glRasterPos3d(x, y, z);
        glListBase(kGlyphListBase);
        glCallLists(static_cast<GLsizei>(codes.size()), GL_UNSIGNED_BYTE, codes.constData());
    });
}

void TglWindow::BuildGlyphs(const QFont& font) {
    const QFontMetrics metrics(font);
    const int height = metrics.height();
    const int width = metrics.maxWidth() + 2;
    run([&] {
        glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
        for (int code = 0; code < kGlyphCount; ++code) {
            const QChar character = QChar::fromLatin1(static_cast<char>(code));
            const std::vector<GLubyte> bits = glyphBitmap(font, character, width, height);
            glNewList(kGlyphListBase + code, GL_COMPILE);
            glBitmap(width, height, 0.0f, static_cast<float>(metrics.descent()),
                     static_cast<float>(metrics.horizontalAdvance(character)), 0.0f, bits.data());
            glEndList();
        }
    });
    m_glyphsBuilt = true;
}

void TglWindow::SetSize(int width, int height) {
    resize(width, height);
    RequestRedraw();
}

bool TglWindow::FirstPaintDone() {
    const bool done = m_firstPaintDone;
    m_firstPaintDone = true;
    return done;
}

bool TglWindow::TakeRedrawRequest() {
    const bool requested = m_redrawRequested;
    m_redrawRequested = false;
    return requested;
}

void TglWindow::mouseEvent(QMouseEvent& event, const std::function<void(QMouseEvent&)>& handler) {
    m_lastMouse = event.position().toPoint();
    m_lastButtons = event.buttons();
    if (handler) handler(event);
}

void TglWindow::mousePressEvent(QMouseEvent* event) {
    m_pressPoint = event->position().toPoint();
    mouseEvent(*event, OnMouseDown);
}

void TglWindow::mouseReleaseEvent(QMouseEvent* event) {
    mouseEvent(*event, OnMouseUp);
    if (OnClick && event->position().toPoint() == m_pressPoint) OnClick();
}

void TglWindow::mouseMoveEvent(QMouseEvent* event) { mouseEvent(*event, OnMouseMove); }
