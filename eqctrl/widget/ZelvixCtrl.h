#pragma once

#include "widget/ZelvixExport.h"
#include "widget/ZelvixIds.h"

#include <QString>
#include <QWidget>

#include <memory>

class CEditModel;
class CZelvixFonts;
class QMenu;
struct CEditOutcome;
struct CZelvixKey;
struct CEquationLayout;

// The equation editor: a one-line editor of equation text that shows powers raised and
// fractions stacked and marks invalid characters red. It turns Qt events into calls on its
// editing model and paints what the layout pass gives.
class ZELVIX_EXPORT CZelvixCtrl : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(bool ReadOnly READ IsReadOnly WRITE SetReadOnly RESET ResetReadOnly
                   DESIGNABLE true STORED true)
    // The text is the host's to set after creating the control; forms do not keep it.
    Q_PROPERTY(QString Equation READ GetEquation WRITE SetEquation DESIGNABLE false STORED false)

public:
    explicit CZelvixCtrl(QWidget* pParent = nullptr);
    ~CZelvixCtrl() override;

    Q_INVOKABLE bool IsReadOnly() const;
    void SetReadOnly(bool bReadOnly);
    void ResetReadOnly() { SetReadOnly(false); }

    QString GetEquation() const;
    void SetEquation(const QString& strEquation);

    // How many characters carry an error mark; 0 means the text is valid.
    Q_INVOKABLE short IsEquationOK();
    // The error messages one by one; "" after the last.
    Q_INVOKABLE QString GetFirstError();
    Q_INVOKABLE QString GetNextError();
    Q_INVOKABLE void AboutBox();

    // Where the caret stands, before character GetCaret() of the text.
    int GetCaret() const;
    bool IsCaretVisible() const { return m_bCaretVisible; }

    // The context menu as it would open now, its items enabled for where the caret stands.
    std::unique_ptr<QMenu> CreateContextMenu();

    QSize sizeHint() const override;

signals:
    void ShowMessage();
    void ClearMessage();
    void KeyDown(short& KeyCode, short Shift);
    void KeyPress(short& KeyAscii);
    void MouseDown(short Button, short Shift, int x, int y);

protected:
    bool event(QEvent* pEvent) override;
    void paintEvent(QPaintEvent* pEvent) override;
    void keyPressEvent(QKeyEvent* pEvent) override;
    void mousePressEvent(QMouseEvent* pEvent) override;
    void contextMenuEvent(QContextMenuEvent* pEvent) override;
    void focusInEvent(QFocusEvent* pEvent) override;
    void focusOutEvent(QFocusEvent* pEvent) override;
    void timerEvent(QTimerEvent* pEvent) override;

private:
    void TypeCharacter(int nCode);
    void PressEditKey(const CZelvixKey& key, Qt::KeyboardModifiers modifiers);
    void Apply(const CEditOutcome& outcome);
    void RefreshLayout();
    void UpdateCaretRect();
    void StartBlink();
    void StopBlink();

    std::unique_ptr<CEditModel> m_pModel;
    std::unique_ptr<CZelvixFonts> m_pFonts;
    std::unique_ptr<CEquationLayout> m_pLayout;
    bool m_bCaretVisible = false;
    int m_nBlinkTimerId = 0;
};
