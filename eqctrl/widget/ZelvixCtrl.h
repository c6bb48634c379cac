// SPDX-License-Identifier: LGPL-3.0-or-later
#pragma once

#include "widget/ZelvixExport.h"
#include "widget/ZelvixIds.h"

#include <QString>
#include <QWidget>

#include <memory>
#include <string>

class CEditSession;
class CZelvixFonts;
class QMenu;
class QMimeData;
class QScrollBar;
struct CEditOutcome;
struct CZelvixKey;
struct CZelvixCommandKey;
struct CEquationLayout;
struct CLayoutInput;

// The equation editor: a one-line editor of equation text that shows powers raised and
// fractions stacked and marks invalid characters red. It turns Qt events into calls on its
// editing model and paints what the layout pass gives.
class ZELVIX_EXPORT CZelvixCtrl : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(bool ReadOnly READ IsReadOnly WRITE SetReadOnly RESET ResetReadOnly
                   DESIGNABLE true STORED true)
    // A read-only control draws each division as a stacked fraction; off by default.
    Q_PROPERTY(bool StackedDivisions READ IsStackedDivisions WRITE SetStackedDivisions RESET
                   ResetStackedDivisions DESIGNABLE true STORED true)
    // The text is the host's to set after creating the control; forms do not keep it.
    Q_PROPERTY(QString Equation READ GetEquation WRITE SetEquation DESIGNABLE false STORED false)
    // What the user has selected, as equation text; "" when nothing is.
    Q_PROPERTY(QString SelectedEquation READ GetSelectedEquation NOTIFY SelectionChanged
                   DESIGNABLE false STORED false)
    Q_PROPERTY(bool CanUndo READ CanUndo DESIGNABLE false STORED false)
    Q_PROPERTY(bool CanRedo READ CanRedo DESIGNABLE false STORED false)
    // The text read aloud ("x squared plus one"), in ordinary notation and in LaTeX.
    Q_PROPERTY(QString EquationInWords READ GetEquationInWords DESIGNABLE false STORED false)
    Q_PROPERTY(QString PlainText READ GetPlainText DESIGNABLE false STORED false)
    Q_PROPERTY(QString Latex READ GetLatex DESIGNABLE false STORED false)

public:
    explicit CZelvixCtrl(QWidget* pParent = nullptr);
    ~CZelvixCtrl() override;

    Q_INVOKABLE bool IsReadOnly() const;
    void SetReadOnly(bool bReadOnly);
    void ResetReadOnly() { SetReadOnly(false); }

    // Stacked divisions, for a read-only control: 1-2/(x+1) is drawn 1 minus 2 over x+1. An
    // editable control draws its text as it is typed, whatever this says.
    bool IsStackedDivisions() const { return m_bStackedDivisions; }
    void SetStackedDivisions(bool bStacked);
    void ResetStackedDivisions() { SetStackedDivisions(false); }

    QString GetEquation() const;
    // Replaces the text; the user can take the change back with Undo.
    void SetEquation(const QString& strEquation);

    QString GetSelectedEquation() const;
    bool CanUndo() const;
    bool CanRedo() const;
    QString GetEquationInWords() const;
    QString GetPlainText() const;
    QString GetLatex() const;
    // The first message the error list would give, without moving its cursor.
    QString PeekFirstError() const;
    // Where the selection starts and ends in the text; equal when nothing is selected.
    int GetSelectionStart() const;
    int GetSelectionEnd() const;

    // How many characters carry an error mark; 0 means the text is valid.
    Q_INVOKABLE short IsEquationOK();
    // The error messages one by one; "" after the last.
    Q_INVOKABLE QString GetFirstError();
    Q_INVOKABLE QString GetNextError();
    Q_INVOKABLE void AboutBox();

    // Where the caret stands, before character GetCaret() of the text.
    int GetCaret() const;
    bool IsCaretVisible() const { return m_bCaretVisible; }

    // Moves the caret (and with bExtend the selection's moving end) before character nIndex.
    void SetCaret(int nIndex, bool bExtend = false);

    // The context menu as it would open now, its items enabled for where the caret stands.
    std::unique_ptr<QMenu> CreateContextMenu();
    // What Copy puts on the clipboard for the selection (the whole text when none).
    std::unique_ptr<QMimeData> CreateMimeData() const;

    // How far the text is scrolled left, and the scroll bar a read-only editor shows when its
    // text is wider than the box.
    int GetScrollShift() const;
    QScrollBar* GetScrollBar() const { return m_pScrollBar; }

    // Tall enough for what the text draws (stacked fractions grow it) and, when the scroll bar
    // shows, for the bar below the text.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

public slots:
    void Undo();
    void Redo();
    void Cut();
    void Copy();
    void CopyAsLatex();
    void Paste();
    void SelectAll();
    // Forgets every step that could be undone or redone.
    void ClearUndo();

signals:
    void ShowMessage();
    void ClearMessage();
    void KeyDown(short& KeyCode, short Shift);
    void KeyPress(short& KeyAscii);
    void MouseDown(short Button, short Shift, int x, int y);
    void SelectionChanged();

protected:
    bool event(QEvent* pEvent) override;
    void paintEvent(QPaintEvent* pEvent) override;
    void keyPressEvent(QKeyEvent* pEvent) override;
    void mousePressEvent(QMouseEvent* pEvent) override;
    void mouseMoveEvent(QMouseEvent* pEvent) override;
    void resizeEvent(QResizeEvent* pEvent) override;
    void contextMenuEvent(QContextMenuEvent* pEvent) override;
    void focusInEvent(QFocusEvent* pEvent) override;
    void focusOutEvent(QFocusEvent* pEvent) override;
    void timerEvent(QTimerEvent* pEvent) override;

private:
    void TypeCharacter(int nCode);
    void PressEditKey(const CZelvixKey& key, Qt::KeyboardModifiers modifiers);
    bool RunCommand(const CZelvixCommandKey& command);
    void Apply(const CEditOutcome& outcome);
    void Refuse(const std::string& strReason);
    void PasteMimeData(const QMimeData& data);
    void AddEditingItems(QMenu& menu);
    void RefreshLayout();
    CLayoutInput MakeLayoutInput() const;
    int NeededHeight() const;
    void SyncScrollBar();
    void UpdateCaretRect();
    void StartBlink();
    void StopBlink();

    std::unique_ptr<CEditSession> m_pSession;
    std::unique_ptr<CZelvixFonts> m_pFonts;
    std::unique_ptr<CEquationLayout> m_pLayout;
    bool m_bCaretVisible = false;
    int m_nBlinkTimerId = 0;
    int m_nForcedShift = -1;            // the scroll bar's choice until the caret moves again
    QScrollBar* m_pScrollBar = nullptr; // owned by the control as its child
    bool m_bSelecting = false;          // the left button went down here and is held
    bool m_bStackedDivisions = false;
    bool m_bScrollBarShown = false; // the last SyncScrollBar's choice, which the height follows
};
