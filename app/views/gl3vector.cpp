#include "app/views/gl3vector.h"

#include "app/views/glwindow.h"

void Tgl3Vector::set(double& component, double value) {
    component = value;
    m_owner.update();
}
