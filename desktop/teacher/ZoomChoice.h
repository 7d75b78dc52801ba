#pragma once

#include "core/settings/ZoomSizes.h"

#include <QGroupBox>

#include <array>

class QLabel;
class QRadioButton;

// The teacher's choice of the game's size ("画面の大きさ"): an option for each of ZoomSizes::Sizes
// and a note that the choice acts from the next start, with the size this run was started at.
// The options are named "optZoom_0" to "optZoom_3", the note "ZoomNote".
class ZoomChoice : public QGroupBox
{
    Q_OBJECT

public:
    explicit ZoomChoice(QWidget *parent = nullptr);

    // Selects the option of `chosen`, which reports it as a click would, and notes `inEffect`.
    void setSizes(qint16 chosen, qint16 inEffect);

    const std::array<QRadioButton *, ZoomSizes::Sizes.size()> &options() const { return m_options; }
    const QLabel *note() const { return m_note; }

signals:
    void chosen(qint16 size);

private:
    std::array<QRadioButton *, ZoomSizes::Sizes.size()> m_options{};
    QLabel *m_note = nullptr;
};
