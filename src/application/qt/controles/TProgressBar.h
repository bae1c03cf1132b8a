// TProgressBar: the continuous progress bar of the date check. Min, Max and
// Position are 32-bit; the filled part is (Position - Min) / (Max - Min) of
// the bar's inside, none when Max equals Min.
//
// Until the bar is first shown, a position is kept as given; from then on
// positions are held within Min to Max. Repeint redraws at once, without
// processing any event, and only when the filled length in pixels differs
// from what was last painted, so it may be called on every tenth line.
#pragma once

#include <QWidget>

#include <cstdint>

class TProgressBar : public QWidget {
    Q_OBJECT

public:
    explicit TProgressBar(QWidget* parent = nullptr);

    std::int32_t Min() const { return min_; }
    std::int32_t Max() const { return max_; }
    std::int32_t Position() const { return position_; }
    std::int32_t Step() const { return pas_; }

    // EInvalidOperation ("Propriété TProgressBar hors limites") when the new
    // bound would put Min above Max; nothing changes then.
    void FixeMin(std::int32_t min);
    void FixeMax(std::int32_t max);
    void FixePosition(std::int32_t position);
    void FixeStep(std::int32_t pas);

    // Redraws the bar now if what it shows has changed since last painted.
    void Repeint();

    // Length in pixels of the filled band for the present values.
    int LongueurRemplie() const;
    // How many times the bar has been painted (for tests and measures).
    int NombrePeintures() const { return peintures_; }

protected:
    void paintEvent(QPaintEvent* evenement) override;
    void showEvent(QShowEvent* evenement) override;
    void hideEvent(QHideEvent* evenement) override;
    void resizeEvent(QResizeEvent* evenement) override;

private:
    void FixeBornes(std::int32_t min, std::int32_t max);
    std::int32_t Borne(std::int32_t position) const;
    QRect Interieur() const;

    std::int32_t min_ = 1;
    std::int32_t max_ = 100;
    std::int32_t position_ = 1;
    std::int32_t pas_ = 1;
    bool cree_ = false;        // shown at least once
    int longueurPeinte_ = -1;  // band length last painted; -1: must paint
    int peintures_ = 0;
};
