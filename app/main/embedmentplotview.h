// The plot of the last embedment study in the "Design Studies" window, drawn
// as keldra-study draws it, filling the view.
#pragma once

#include <QWidget>
#include <optional>

#include "app/studies/embedment_study.h"

class TEmbedmentPlotView : public QWidget {
  public:
    explicit TEmbedmentPlotView(QWidget* parent = nullptr);

    // Shows `study`; none shows a hint instead.
    void setStudy(std::optional<keldra::studies::EmbedmentStudy> study);
    [[nodiscard]] const std::optional<keldra::studies::EmbedmentStudy>& study() const {
        return m_study;
    }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::optional<keldra::studies::EmbedmentStudy> m_study;
};
