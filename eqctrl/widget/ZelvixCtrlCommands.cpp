// SPDX-License-Identifier: LGPL-3.0-or-later
#include "widget/ZelvixCtrl.h"

#include "model/Beep.h"
#include "model/EditSession.h"
#include "model/EquationWriters.h"
#include "widget/ZelvixText.h"

#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QMimeData>

#include <optional>
#include <string>

// The control's context menu, undo and clipboard commands.

namespace
{
QAction* AddCommand(QMenu& menu, const QString& strText, int nCommand, bool bEnabled)
{
    QAction* pAction = menu.addAction(strText);
    pAction->setData(nCommand);
    pAction->setEnabled(bEnabled);
    return pAction;
}

// The clipboard's text as UTF-8, or nothing past the bound of a typed paste. The characters
// are counted first (each takes a byte at least), so that a huge text is never copied.
std::optional<std::string> TypedText(const QMimeData& data)
{
    const QString strText = data.text();
    if (static_cast<std::size_t>(strText.size()) > CEditSession::kLongestTypedPaste)
        return std::nullopt;
    std::string strTyped = strText.trimmed().toStdString();
    if (strTyped.size() > CEditSession::kLongestTypedPaste)
        return std::nullopt;
    return strTyped;
}
} // namespace

// An editable control offers its two structures first, then undo and the clipboard; a
// read-only one only what reads: Copy, Copy as LaTeX and Select All.
std::unique_ptr<QMenu> CZelvixCtrl::CreateContextMenu()
{
    auto pMenu = std::make_unique<QMenu>();
    if (!IsReadOnly())
    {
        QAction* pPower =
            AddCommand(*pMenu, QStringLiteral("Insert Power\tCtrl+P"), kCommandInsertPower,
                       m_pSession->Model().IsInsertPowerEnabled());
        connect(pPower, &QAction::triggered, this,
                [this] { Apply(m_pSession->InsertPowerCommand()); });
        QAction* pFraction =
            AddCommand(*pMenu, QStringLiteral("Insert Fraction\tCtrl+F"), kCommandInsertFraction,
                       m_pSession->Model().IsInsertFractionEnabled());
        connect(pFraction, &QAction::triggered, this,
                [this] { Apply(m_pSession->InsertFractionCommand()); });
        pMenu->addSeparator();
        connect(AddCommand(*pMenu, QStringLiteral("Undo\tCtrl+Z"), kCommandUndo, CanUndo()),
                &QAction::triggered, this, &CZelvixCtrl::Undo);
        connect(AddCommand(*pMenu, QStringLiteral("Redo\tCtrl+Y"), kCommandRedo, CanRedo()),
                &QAction::triggered, this, &CZelvixCtrl::Redo);
        pMenu->addSeparator();
    }
    AddEditingItems(*pMenu);
    return pMenu;
}

void CZelvixCtrl::AddEditingItems(QMenu& menu)
{
    const bool bEditable = !IsReadOnly();
    const bool bSelection = m_pSession->HasSelection();
    const bool bText = !m_pSession->Model().GetText().empty();
    if (bEditable)
        connect(AddCommand(menu, QStringLiteral("Cut\tCtrl+X"), kCommandCut, bSelection),
                &QAction::triggered, this, &CZelvixCtrl::Cut);
    connect(AddCommand(menu, QStringLiteral("Copy\tCtrl+C"), kCommandCopy, bText),
            &QAction::triggered, this, &CZelvixCtrl::Copy);
    connect(AddCommand(menu, QStringLiteral("Copy as LaTeX"), kCommandCopyAsLatex, bText),
            &QAction::triggered, this, &CZelvixCtrl::CopyAsLatex);
    if (bEditable)
        connect(AddCommand(menu, QStringLiteral("Paste\tCtrl+V"), kCommandPaste, true),
                &QAction::triggered, this, &CZelvixCtrl::Paste);
    menu.addSeparator();
    connect(AddCommand(menu, QStringLiteral("Select All\tCtrl+A"), kCommandSelectAll, bText),
            &QAction::triggered, this, &CZelvixCtrl::SelectAll);
}

// The selection, or the whole text when nothing is selected, in three forms: the equation
// text itself for editors like this one, ordinary notation for anything, and LaTeX.
std::unique_ptr<QMimeData> CZelvixCtrl::CreateMimeData() const
{
    const std::string strText =
        m_pSession->HasSelection() ? m_pSession->GetSelectedText() : m_pSession->Model().GetText();
    auto pData = std::make_unique<QMimeData>();
    pData->setData(QString::fromLatin1(kZelvixEquationMimeType),
                   QByteArray(strText.data(), static_cast<qsizetype>(strText.size())));
    pData->setText(FromText(WritePlainText(strText)));
    pData->setData(QString::fromLatin1(kZelvixLatexMimeType),
                   FromText(WriteLatex(strText)).toUtf8());
    return pData;
}

void CZelvixCtrl::Undo()
{
    Apply(m_pSession->Undo());
}

void CZelvixCtrl::Redo()
{
    Apply(m_pSession->Redo());
}

void CZelvixCtrl::Copy()
{
    QApplication::clipboard()->setMimeData(CreateMimeData().release());
}

void CZelvixCtrl::CopyAsLatex()
{
    const std::string strText =
        m_pSession->HasSelection() ? m_pSession->GetSelectedText() : m_pSession->Model().GetText();
    QApplication::clipboard()->setText(FromText(WriteLatex(strText)));
}

// A cut the editor refuses (it would join two numbers) leaves the clipboard as it was.
void CZelvixCtrl::Cut()
{
    std::unique_ptr<QMimeData> pData = CreateMimeData();
    const CEditOutcome outcome = m_pSession->DeleteSelection(); // beeps when it cannot
    if (outcome.m_bEdited)
        QApplication::clipboard()->setMimeData(pData.release());
    Apply(outcome);
}

void CZelvixCtrl::Paste()
{
    const QMimeData* pData = QApplication::clipboard()->mimeData();
    if (pData == nullptr)
    {
        Refuse(m_pSession->Paste({}).m_strRefusal);
        return;
    }
    PasteMimeData(*pData);
}

// Our own format comes as it is; anything else is read as ordinary notation by the converter
// the command line uses.
void CZelvixCtrl::PasteMimeData(const QMimeData& data)
{
    const QString strFormat = QString::fromLatin1(kZelvixEquationMimeType);
    CPasteOutcome outcome;
    if (data.hasFormat(strFormat))
        outcome = m_pSession->Paste(data.data(strFormat).toStdString());
    else if (!IsReadOnly() && data.hasText())
    {
        const std::optional<std::string> typed = TypedText(data);
        if (!typed)
        {
            InformationBeep();
            Refuse(CEditSession::kTypedPasteTooLong);
            return;
        }
        outcome = m_pSession->PasteOrdinary(*typed);
    }
    else
        outcome = m_pSession->Paste({});
    if (!outcome.m_strRefusal.empty())
        Refuse(outcome.m_strRefusal);
    Apply(outcome.m_Outcome);
}

// The reason goes to the host like an error message; the text stays as it was.
void CZelvixCtrl::Refuse(const std::string& strReason)
{
    if (strReason.empty())
        return;
    m_pSession->SetNotice(strReason);
    emit ShowMessage();
}

void CZelvixCtrl::SelectAll()
{
    Apply(m_pSession->SelectAll());
}

void CZelvixCtrl::ClearUndo()
{
    m_pSession->ClearUndo();
}
