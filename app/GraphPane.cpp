// SPDX-License-Identifier: GPL-3.0-or-later
#include "GraphPane.h"

#include "GraphPainter.h"

#include <QAction>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QSettings>
#include <QWheelEvent>

#include <cmath>

namespace
{
constexpr const char* kShowGraphKey = "ShowGraph";
constexpr const char* kNoProblem = "Simplify a problem in one letter to see its graph";
// One notch of the wheel shows this share of the span; the opposite notch undoes it.
constexpr double kZoomPerNotch = 0.8;
// Beyond these spans the doubles cannot tell the samples apart, or the values overflow.
constexpr double kLeastSpan = 1e-9;
constexpr double kGreatestSpan = 1e12;

QString Coordinate(double dValue)
{
    QString strText = QString::number(dValue, 'g', 4);
    return strText.replace('-', QChar(0x2212));
}

// A span scaled about a fixed point, unless that would make it too narrow or too wide.
bool ZoomSpan(double& dMin, double& dMax, double dAbout, double dFactor)
{
    const double dSpan = (dMax - dMin) * dFactor;
    if (!(dSpan >= kLeastSpan && dSpan <= kGreatestSpan))
        return false;
    dMin = dAbout - (dAbout - dMin) * dFactor;
    dMax = dMin + dSpan;
    return true;
}
} // namespace

CGraphPane::CGraphPane(QWidget* pParent) : QWidget(pParent)
{
    setObjectName(QStringLiteral("paneGraph"));
    setAccessibleName(tr("Graph"));
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_Geometry.m_strMessage = kNoProblem;
}

CGraphPane::~CGraphPane() = default;

void CGraphPane::SetProblem(const std::string& strProblem)
{
    m_strProblem = strProblem;
    m_bStale = true;
    if (isVisible())
        ReadProblem();
}

void CGraphPane::ReadProblem()
{
    m_bStale = false;
    m_pProblem.reset();
    if (m_strProblem.empty())
    {
        m_Geometry = {};
        m_Geometry.m_strMessage = kNoProblem;
    }
    else
    {
        ++m_nWork;
        m_pProblem = std::make_unique<CPlotProblem>(m_strProblem);
        ResetView();
    }
    update();
}

void CGraphPane::ShowView(const CPlotRange& view)
{
    if (!m_pProblem)
        return;
    ++m_nWork;
    m_Geometry = m_pProblem->Sample(view);
    update();
}

void CGraphPane::ResetView()
{
    if (m_pProblem)
        ShowView(m_pProblem->AutomaticRange());
}

QPointF CGraphPane::ToPlane(const QPointF& position) const
{
    return CGraphMapping(m_Geometry.m_View, QRectF(rect())).ToPlane(position);
}

void CGraphPane::showEvent(QShowEvent* pEvent)
{
    QWidget::showEvent(pEvent);
    if (m_bStale)
        ReadProblem();
}

void CGraphPane::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    // Device-independent pixels: the painter maps them onto every scale factor, so lines and
    // text stay crisp on a high-density screen.
    painter.setRenderHint(QPainter::Antialiasing);
    PaintGraph(painter, QRectF(rect()), m_Geometry, CGraphColours::FromPalette(palette()));
    PaintPointer(painter);
}

// "x = 1.25, y = −3.5" in the top right corner while the pointer is over a graph.
void CGraphPane::PaintPointer(QPainter& painter) const
{
    if (!m_Pointer || !m_pProblem || !m_Geometry.m_strMessage.empty())
        return;
    const QPointF plane = ToPlane(*m_Pointer);
    const QString strText =
        QStringLiteral("x = %1, y = %2").arg(Coordinate(plane.x()), Coordinate(plane.y()));
    const QFontMetricsF metrics(font());
    const QRectF box(width() - metrics.horizontalAdvance(strText) - 10, 2,
                     metrics.horizontalAdvance(strText) + 8, metrics.height() + 4);
    QColor plate = palette().color(QPalette::Base);
    plate.setAlphaF(0.85f);
    painter.fillRect(box, plate);
    painter.setPen(palette().color(QPalette::Text));
    painter.drawText(box, Qt::AlignCenter, strText);
}

void CGraphPane::wheelEvent(QWheelEvent* pEvent)
{
    const double dNotches = pEvent->angleDelta().y() / 120.0;
    if (!m_pProblem || dNotches == 0)
        return QWidget::wheelEvent(pEvent);
    const double dFactor = std::pow(kZoomPerNotch, dNotches);
    const QPointF about = ToPlane(pEvent->position());
    CPlotRange view = m_Geometry.m_View;
    if (ZoomSpan(view.m_dXMin, view.m_dXMax, about.x(), dFactor) &&
        ZoomSpan(view.m_dYMin, view.m_dYMax, about.y(), dFactor))
        ShowView(view);
    pEvent->accept();
}

void CGraphPane::mousePressEvent(QMouseEvent* pEvent)
{
    if (pEvent->button() == Qt::LeftButton && m_pProblem)
    {
        m_DragFrom = pEvent->position();
        setCursor(Qt::ClosedHandCursor);
    }
    QWidget::mousePressEvent(pEvent);
}

// The plane follows the pointer: the point grabbed stays under it.
void CGraphPane::mouseMoveEvent(QMouseEvent* pEvent)
{
    m_Pointer = pEvent->position();
    if (m_DragFrom && (pEvent->buttons() & Qt::LeftButton))
    {
        const QPointF from = ToPlane(*m_DragFrom), to = ToPlane(pEvent->position());
        CPlotRange view = m_Geometry.m_View;
        const double dX = from.x() - to.x(), dY = from.y() - to.y();
        view.m_dXMin += dX;
        view.m_dXMax += dX;
        view.m_dYMin += dY;
        view.m_dYMax += dY;
        m_DragFrom = pEvent->position();
        ShowView(view);
    }
    update();
}

void CGraphPane::mouseReleaseEvent(QMouseEvent* pEvent)
{
    if (pEvent->button() == Qt::LeftButton)
    {
        m_DragFrom.reset();
        unsetCursor();
    }
    QWidget::mouseReleaseEvent(pEvent);
}

void CGraphPane::mouseDoubleClickEvent(QMouseEvent* pEvent)
{
    if (pEvent->button() == Qt::LeftButton)
        ResetView();
}

void CGraphPane::keyPressEvent(QKeyEvent* pEvent)
{
    if (pEvent->key() == Qt::Key_Home && m_pProblem)
        return ResetView();
    QWidget::keyPressEvent(pEvent);
}

void CGraphPane::leaveEvent(QEvent* pEvent)
{
    m_Pointer.reset();
    update();
    QWidget::leaveEvent(pEvent);
}

void CGraphPane::changeEvent(QEvent* pEvent)
{
    if (pEvent->type() == QEvent::PaletteChange || pEvent->type() == QEvent::FontChange)
        update();
    QWidget::changeEvent(pEvent);
}

QAction* CreateGraphToggle(CGraphPane& pane, QWidget& holder, std::function<void()> relayout)
{
    auto* pAction = new QAction(QObject::tr("Show graph"), &holder);
    pAction->setObjectName(QStringLiteral("actionGraph"));
    pAction->setShortcut(QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_G));
    pAction->setShortcutContext(Qt::WindowShortcut);
    pAction->setCheckable(true);
    holder.addAction(pAction);
    const auto show = [&pane, relayout](bool bShown)
    {
        pane.setVisible(bShown);
        QSettings().setValue(kShowGraphKey, bShown);
        relayout();
    };
    const bool bShown = QSettings().value(kShowGraphKey, false).toBool();
    pAction->setChecked(bShown);
    pane.setVisible(bShown);
    QObject::connect(pAction, &QAction::toggled, &pane, show);
    return pAction;
}
