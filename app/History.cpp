// SPDX-License-Identifier: GPL-3.0-or-later
#include "History.h"

#include <QSettings>

#include <algorithm>

namespace
{
constexpr const char* kArrayKey = "history";
constexpr const char* kInputKey = "input";
constexpr const char* kResultKey = "result";
constexpr const char* kFurtherKey = "further";
constexpr const char* kLetterKey = "letter";
} // namespace

void CHistory::Add(const CHistoryEntry& entry)
{
    std::erase_if(m_Entries, [&entry](const CHistoryEntry& old)
                  { return old.m_strInput == entry.m_strInput; });
    m_Entries.insert(m_Entries.begin(), entry);
    if (m_Entries.size() > kMaxEntries)
        m_Entries.resize(kMaxEntries);
}

void CHistory::Clear()
{
    m_Entries.clear();
}

void CHistory::Load(QSettings& settings)
{
    m_Entries.clear();
    const int nSize = settings.beginReadArray(QString::fromLatin1(kArrayKey));
    for (int i = 0; i < nSize && static_cast<int>(m_Entries.size()) < kMaxEntries; ++i)
    {
        settings.setArrayIndex(i);
        CHistoryEntry entry{
            settings.value(kInputKey).toString(), settings.value(kResultKey).toString(),
            settings.value(kFurtherKey).toString(), settings.value(kLetterKey).toString()};
        if (!entry.m_strInput.isEmpty())
            m_Entries.push_back(entry);
    }
    settings.endArray();
}

void CHistory::Save(QSettings& settings) const
{
    settings.remove(QString::fromLatin1(kArrayKey));
    settings.beginWriteArray(QString::fromLatin1(kArrayKey), static_cast<int>(m_Entries.size()));
    for (int i = 0; i < static_cast<int>(m_Entries.size()); ++i)
    {
        settings.setArrayIndex(i);
        settings.setValue(kInputKey, m_Entries[i].m_strInput);
        settings.setValue(kResultKey, m_Entries[i].m_strResult);
        settings.setValue(kFurtherKey, m_Entries[i].m_strFurther);
        if (!m_Entries[i].m_strLetter.isEmpty())
            settings.setValue(kLetterKey, m_Entries[i].m_strLetter);
    }
    settings.endArray();
}

QString ReadableEquation(const QString& strText)
{
    QString strReadable;
    for (int i = 0; i < strText.size(); ++i)
    {
        const QChar c = strText[i];
        if (c == QLatin1Char('!') || c == QLatin1Char('$'))
            continue;
        if (c == QLatin1Char('%'))
            strReadable += i > 0 && strText[i - 1].isDigit() ? QStringLiteral(" ") : QString();
        else if (c == QLatin1Char(','))
            strReadable += QLatin1Char('/');
        else
            strReadable += c;
    }
    return strReadable.trimmed();
}
