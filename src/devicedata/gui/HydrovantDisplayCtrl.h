#pragma once
// The imitation of the instrument's display in the recording dialog: white text in character
// cells of a fixed-pitch font on blue, or on red while the instrument reports an alarm. What it
// shows comes from DisplayLayout; this widget only paints it, through an off-screen picture.

#include "devicedata/DisplayLayout.h"

#include <QFont>
#include <QWidget>

class CHydrovantDisplayCtrl : public QWidget {
    Q_OBJECT
public:
    static constexpr int kCtrlId = 1577;

    explicit CHydrovantDisplayCtrl(QWidget* parent = nullptr);

    void SetLayout(const hvx::Parametersatz& ps);
    // Fields 2 to 12 of a received line.
    void UpdateAll(const QStringList& fields);
    void Reset();
    const hvx::DisplayLayout& layout() const { return m_layout; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    static QColor BackgroundOf(bool alarm);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void PaintInto(QPainter& painter) const;
    void PaintBlock(QPainter& painter, const hvx::DisplayBlock& block, int left) const;
    void PaintItem(QPainter& painter, const hvx::DisplayItem& item, int left) const;
    QSize Cell() const;

    hvx::DisplayLayout m_layout;
    QFont m_small;
    QFont m_large;
};
