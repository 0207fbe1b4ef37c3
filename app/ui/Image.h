// A picture control: shows a picture file, stretched to its bounds, and reacts to a click.
#pragma once

#include <QLabel>
#include <functional>

namespace plio {

class TImage : public QLabel {
public:
    explicit TImage(QWidget* parent = nullptr);

    // Pictures with a tag of 100 or more keep their design bounds when the title window scales.
    int Tag = 0;
    std::function<void()> SurClic;

protected:
    void mouseReleaseEvent(QMouseEvent* evenement) override;
};

} // namespace plio
