#pragma once

class TglWindow;

// A camera vector of the drawing control; changing a component repaints the control.
class Tgl3Vector {
  public:
    Tgl3Vector(TglWindow& owner, double x, double y, double z)
        : m_owner(owner), m_x(x), m_y(y), m_z(z) {}

    [[nodiscard]] double x() const { return m_x; }
    [[nodiscard]] double y() const { return m_y; }
    [[nodiscard]] double z() const { return m_z; }
    void setX(double x) { set(m_x, x); }
    void setY(double y) { set(m_y, y); }
    void setZ(double z) { set(m_z, z); }

  private:
    void set(double& component, double value);

    TglWindow& m_owner;
    double m_x;
    double m_y;
    double m_z;
};
