// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <vector>

class QSettings;

// One problem simplified: the input and what came of it, all in equation text (" " when
// there was no further result), and the letter it was solved for.
struct CHistoryEntry
{
    QString m_strInput;
    QString m_strResult;
    QString m_strFurther;
    QString m_strLetter; // the letter chosen to solve for, "" for the default

    bool operator==(const CHistoryEntry&) const = default;
};

// The problems simplified, newest first, kept between runs. The same input simplified again
// moves to the top rather than standing twice.
class CHistory
{
public:
    static constexpr int kMaxEntries = 200;

    void Add(const CHistoryEntry& entry);
    void Clear();
    const std::vector<CHistoryEntry>& GetEntries() const { return m_Entries; }

    // Reads what an earlier run saved; entries past the bound or without an input are dropped.
    void Load(QSettings& settings);
    void Save(QSettings& settings) const;

private:
    std::vector<CHistoryEntry> m_Entries;
};

// Equation text as a person would write it on one line: x^2!-1 becomes x^2-1 and 3%1,2$
// becomes 3 1/2.
QString ReadableEquation(const QString& strText);
