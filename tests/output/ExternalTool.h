// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Runs the real programs that read our output, from tests.

#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>

#include <sys/wait.h>

struct CToolRun
{
    int m_nStatus = -1;
    std::string m_strOutput; // standard output and standard error together
};

// The full path of a program on PATH, or "" when it is not installed.
inline std::string FindProgram(const std::string& strName)
{
    const char* szPath = std::getenv("PATH");
    std::istringstream dirs(szPath ? szPath : "");
    std::string strDir;
    while (std::getline(dirs, strDir, ':'))
    {
        const std::filesystem::path candidate = std::filesystem::path(strDir) / strName;
        std::error_code error;
        if (std::filesystem::is_regular_file(candidate, error))
            return candidate.string();
    }
    return "";
}

inline CToolRun RunTool(const std::string& strCommand)
{
    CToolRun run;
    FILE* pPipe = popen((strCommand + " 2>&1").c_str(), "r");
    if (!pPipe)
        return run;
    std::array<char, 4096> buffer{};
    size_t nRead = 0;
    while ((nRead = fread(buffer.data(), 1, buffer.size(), pPipe)) > 0)
        run.m_strOutput.append(buffer.data(), nRead);
    const int nWait = pclose(pPipe);
    run.m_nStatus = WIFEXITED(nWait) ? WEXITSTATUS(nWait) : -1;
    return run;
}

inline std::string Quoted(const std::string& strText)
{
    std::string strOut = "'";
    for (char c : strText)
        strOut += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return strOut + "'";
}

// A fresh folder, removed with everything in it when the test ends.
class CScratchDir
{
public:
    CScratchDir()
    {
        std::random_device device;
        m_Path = std::filesystem::temp_directory_path() /
                 ("fennory-output-" + std::to_string(device()) + std::to_string(device()));
        std::filesystem::create_directories(m_Path);
    }
    ~CScratchDir()
    {
        std::error_code error;
        std::filesystem::remove_all(m_Path, error);
    }
    CScratchDir(const CScratchDir&) = delete;
    CScratchDir& operator=(const CScratchDir&) = delete;

    std::filesystem::path File(const std::string& strName) const { return m_Path / strName; }

    std::filesystem::path Write(const std::string& strName, const std::string& strContent) const
    {
        std::ofstream(File(strName), std::ios::binary) << strContent;
        return File(strName);
    }

private:
    std::filesystem::path m_Path;
};

inline std::string ReadFile(const std::filesystem::path& path)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream content;
    content << file.rdbuf();
    return content.str();
}

// pdflatex on a document written into the folder: its status and its log, "" without pdflatex.
struct CLatexRun
{
    int m_nStatus = -1;
    std::string m_strLog;
    std::filesystem::path m_Pdf;
};

inline CLatexRun RunPdflatex(const CScratchDir& dir, const std::string& strName,
                             const std::string& strDocument)
{
    const std::filesystem::path tex = dir.Write(strName + ".tex", strDocument);
    const CToolRun run =
        RunTool("cd " + Quoted(tex.parent_path().string()) +
                " && timeout 300 pdflatex -interaction=nonstopmode -halt-on-error " +
                Quoted(tex.filename().string()) + " </dev/null");
    return {run.m_nStatus, ReadFile(dir.File(strName + ".log")), dir.File(strName + ".pdf")};
}
