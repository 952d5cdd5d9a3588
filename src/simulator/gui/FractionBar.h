#pragma once
// A progress bar that holds a fraction from 0 to 1, as the run writes it.
// A value outside that range (a negative target gives one) is refused and
// the bar keeps what it showed.

#include <QProgressBar>

namespace quorvale {

class FractionBar final : public QProgressBar {
    Q_OBJECT
public:
    static constexpr int kResolution = 1000;

    explicit FractionBar(QWidget* parent = nullptr);

    // Returns false, changing nothing, for a value outside 0..1 or NaN.
    bool setFraction(float fraction);
    float fraction() const { return m_fraction; }

private:
    float m_fraction = 0;
};

}  // namespace quorvale
