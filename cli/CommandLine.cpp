// SPDX-License-Identifier: GPL-3.0-or-later
#include "CommandLine.h"

#include "FennoryVersion.h"
#include "Formats.h"
#include "Graph.h"
#include "TextReport.h"

#include <CLI/CLI.hpp>

#include "solve/Solve.h"

#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <istream>
#include <memory>
#include <optional>
#include <ostream>
#include <sstream>

namespace
{
struct COptions
{
    std::string m_strText; // the text, or the batch file
    bool m_bJson = false;
    bool m_bBatch = false;
    int m_nRepeat = 0;
    std::string m_strFormat;            // "" for the default: text, or json with --batch
    std::string m_strOutput;            // "" for standard output
    std::string m_strSolveFor;          // "" for the default letter
    std::optional<std::string> m_Graph; // --graph: the file, or "" for graphs in an HTML page
    bool m_bGraphHelp = false;          // only there to list --graph in the help

    char SolveFor() const { return m_strSolveFor.empty() ? 0 : m_strSolveFor[0]; }
};

constexpr const char* kDescription =
    "Simplifies an equation or expression step by step and tells how it was done.\n"
    "TEXT is equation text (x^2!+2x+1, %1,2$x, 3x/(x+1)=0) or ordinary notation: x^2, x², ×, "
    "÷, ·, the Unicode minus, ½ and 3 1/2 for a mixed number. Blanks are dropped.";
constexpr const char* kFooter =
    "Exit status: 0 simplified, 1 the text was refused (messages on standard error), 2 the "
    "simplification failed (message on standard error), 64 bad options, 66 the batch file "
    "could not be read, 73 the output file could not be written. With --batch: the highest "
    "status of its lines (blank lines aside), so 0 only when every line was simplified.\n"
    "A TEXT that begins with \"-\" may be given after \"--\".";

bool TakesValue(const std::string& arg)
{
    return arg == "--repeat" || arg == "--format" || arg == "--output" || arg == "--solve-for";
}

bool IsOptionSpelling(const std::string& arg)
{
    return arg == "--json" || arg == "--batch" || arg == "--help" || arg == "--version" ||
           arg == "-h" || TakesValue(arg) || arg.rfind("--repeat=", 0) == 0 ||
           arg.rfind("--format=", 0) == 0 || arg.rfind("--output=", 0) == 0 ||
           arg.rfind("--solve-for=", 0) == 0;
}

bool IsGraphFile(const std::string& arg)
{
    std::string strLower = arg;
    std::transform(strLower.begin(), strLower.end(), strLower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    const auto endsWith = [&](const char* pEnd)
    { return strLower.size() > 4 && strLower.compare(strLower.size() - 4, 4, pEnd) == 0; };
    return endsWith(".svg") || endsWith(".png");
}

// --graph [FILE.svg|FILE.png] (or --graph=FILE), taken out before the parser: its file name is
// optional, and the parser would read a text after a bare --graph as the file.
std::optional<std::string> TakeGraphOption(std::vector<std::string>& args)
{
    std::optional<std::string> graph;
    for (size_t i = 0; i < args.size() && args[i] != "--";)
    {
        const bool bValue = i > 0 && TakesValue(args[i - 1]);
        if (args[i] == "--graph" && !bValue)
        {
            const bool bFile = i + 1 < args.size() && IsGraphFile(args[i + 1]);
            graph = bFile ? args[i + 1] : "";
            args.erase(args.begin() + static_cast<long>(i),
                       args.begin() + static_cast<long>(i + 1 + bFile));
        }
        else if (args[i].rfind("--graph=", 0) == 0 && !bValue)
        {
            graph = args[i].substr(8);
            args.erase(args.begin() + static_cast<long>(i));
        }
        else
            ++i;
    }
    return graph;
}

// The first argument before "--" that is spelt as a long option but is none, or "". No text
// starts with "--" (two operators in a row), so such an argument is a mistyped option.
std::string FindUnknownOption(const std::vector<std::string>& args)
{
    for (size_t i = 0; i < args.size() && args[i] != "--"; ++i)
    {
        const bool bValue = i > 0 && TakesValue(args[i - 1]);
        if (args[i].rfind("--", 0) == 0 && !IsOptionSpelling(args[i]) && !bValue)
            return args[i];
    }
    return "";
}

// A text such as -x+1 is not an option: put "--" before it so the parser takes it as TEXT.
std::vector<std::string> SeparateNegativeText(std::vector<std::string> args)
{
    for (size_t i = 0; i < args.size(); ++i)
    {
        if (args[i] == "--")
            break;
        const bool bValueOfOption = i > 0 && TakesValue(args[i - 1]);
        if (args[i].size() > 1 && args[i][0] == '-' && !IsOptionSpelling(args[i]) &&
            !bValueOfOption)
        {
            args.insert(args.begin() + static_cast<long>(i), "--");
            break;
        }
    }
    return args;
}

void Describe(CLI::App& app, COptions& options)
{
    app.description(kDescription);
    app.footer(kFooter);
    app.add_option("TEXT", options.m_strText,
                   "The text to simplify; with --batch, the FILE to read (default: standard input)")
        ->type_name("");
    app.add_flag("--json", options.m_bJson, "Print one JSON object instead of the plain narrative");
    app.add_flag("--batch", options.m_bBatch,
                 "Read one text per line and answer each (see --format)");
    app.set_version_flag("--version", std::string("fennory-cli ") + FENNORY_VERSION);
    app.add_option("--repeat", options.m_nRepeat,
                   "For timing: run each request N times and add \"micros\", its median time "
                   "in microseconds, to each JSON answer (1 to 1000000; with --json or --batch)")
        ->type_name("N")
        ->check(CLI::Range(1, 1000000).description(""));
    app.add_option("--format", options.m_strFormat,
                   "text, json, html, latex or mathml; with --batch: json (the default), text "
                   "(one line each), html or latex (one worked-solutions sheet)")
        ->type_name("FORMAT")
        ->check(CLI::IsMember({"text", "json", "html", "latex", "mathml"}).description(""));
    app.add_option("--output", options.m_strOutput, "Write to FILE instead of standard output")
        ->type_name("FILE");
    app.add_option("--solve-for", options.m_strSolveFor,
                   "The LETTER an equation is solved for (default: x when it is there, else the "
                   "first letter in alphabetical order)")
        ->type_name("LETTER");
    app.add_flag("--graph", options.m_bGraphHelp,
                 "--graph FILE.svg|FILE.png writes the problem's graph; with --format html, "
                 "--graph puts each problem's graph into the page");
}

EOutputFormat FormatOf(const COptions& options)
{
    if (options.m_bJson)
        return EOutputFormat::Json;
    if (options.m_strFormat.empty())
        return options.m_bBatch ? EOutputFormat::Json : EOutputFormat::Text;
    return *ParseOutputFormat(options.m_strFormat);
}

// Options that parse but cannot go together; "" when they can.
std::string Conflict(const COptions& options)
{
    if (options.m_bJson && !options.m_strFormat.empty() && options.m_strFormat != "json")
        return "--json and --format " + options.m_strFormat + " cannot go together";
    const EOutputFormat eFormat = FormatOf(options);
    const bool bSheet = eFormat == EOutputFormat::Html || eFormat == EOutputFormat::Latex;
    if (options.m_bBatch && eFormat == EOutputFormat::MathML)
        return "--batch writes json, text, html or latex";
    const bool bTimed = eFormat == EOutputFormat::Json || (options.m_bBatch && !bSheet);
    if (options.m_nRepeat > 0 && !bTimed)
        return "--repeat needs --json or --batch";
    const std::string& strLetter = options.m_strSolveFor;
    if (!strLetter.empty() &&
        (strLetter.size() != 1 || !std::isalpha(static_cast<unsigned char>(strLetter[0]))))
        return "--solve-for takes one letter, not \"" + strLetter + "\"";
    if (options.m_Graph && options.m_Graph->empty() && eFormat != EOutputFormat::Html)
        return "--graph needs FILE.svg or FILE.png, or --format html";
    if (options.m_Graph && !options.m_Graph->empty() && options.m_bBatch)
        return "--graph FILE draws one problem; a batch takes --format html --graph";
    return "";
}

// The problem's graph to the --graph file; false (and said why) when it cannot be written.
bool WriteGraph(const COptions& options, const CTextReport& report, std::ostream& err)
{
    if (!options.m_Graph || options.m_Graph->empty() || !report.m_bSimplified)
        return true;
    const std::string strFailure =
        WriteProblemGraph(report.m_Validation.m_strText, *options.m_Graph);
    if (!strFailure.empty())
        err << "fennory-cli: " << strFailure << "\n";
    return strFailure.empty();
}

int ReportOne(const COptions& options, std::ostream& out, std::ostream& err)
{
    const CTextReport report = ReportText(options.m_strText, options.m_nRepeat, options.SolveFor(),
                                          NarrativeFormFor(FormatOf(options)));
    if (report.m_bSimplified && options.SolveFor() != 0)
    {
        const std::vector<char> letters = LettersOfText(report.m_Validation.m_strText);
        if (std::find(letters.begin(), letters.end(), options.SolveFor()) == letters.end())
        {
            err << "fennory-cli: the letter " << options.SolveFor()
                << " is not in the equation, so it cannot be solved for\n";
            return kExitUsage;
        }
    }
    err << ToDiagnostics(report);
    out << FormatReport(report, FormatOf(options), options.m_Graph.has_value());
    if (!WriteGraph(options, report, err))
        return kExitCannotWrite;
    return ExitStatus(report);
}

// The status of a whole batch: the highest of its lines' (0 all simplified, 1 some line
// refused, 2 some simplification failed); blank lines do not count. Comments and headings
// get no answer line, as on the sheet.
int ReportLines(std::istream& in, const COptions& options, std::ostream& out)
{
    const EOutputFormat eFormat = FormatOf(options);
    if (eFormat == EOutputFormat::Html || eFormat == EOutputFormat::Latex)
    {
        int nStatus = 0;
        out << FormatSheet(in, options.m_nRepeat, eFormat, &nStatus, options.m_Graph.has_value());
        return nStatus;
    }
    int nStatus = 0;
    std::string strLine;
    while (std::getline(in, strLine))
    {
        if (!strLine.empty() && strLine.back() == '\r')
            strLine.pop_back();
        const EBatchLine eLine = ClassifyBatchLine(strLine);
        if (eLine == EBatchLine::Comment || eLine == EBatchLine::Heading)
            continue;
        CTextReport report = ReportText(std::move(strLine), options.m_nRepeat, options.SolveFor());
        if (eLine != EBatchLine::Blank)
            nStatus = std::max(nStatus, ExitStatus(report));
        out << FormatBatchLine(std::move(report), eFormat);
        out.flush();
    }
    return nStatus;
}

// A file that cannot be opened, a folder, or a read that fails part way is reported, never
// taken for an empty batch.
int ReportBatchFile(const COptions& options, std::ostream& out, std::ostream& err)
{
    const std::string& strFile = options.m_strText;
    std::error_code error;
    if (std::filesystem::is_directory(strFile, error))
    {
        err << "Cannot read " << strFile << ": it is a folder, not a file\n";
        return kExitNoInput;
    }
    std::ifstream file(strFile, std::ios::binary);
    if (!file)
    {
        err << "Cannot read " << strFile << ": " << std::strerror(errno) << "\n";
        return kExitNoInput;
    }
    const int nStatus = ReportLines(file, options, out);
    if (file.bad())
    {
        err << "Cannot read " << strFile << ": the read failed part way\n";
        return kExitNoInput;
    }
    return nStatus;
}

int ReportBatch(const COptions& options, std::istream& in, std::ostream& out, std::ostream& err)
{
    if (options.m_strText.empty() || options.m_strText == "-")
        return ReportLines(in, options, out);
    return ReportBatchFile(options, out, err);
}

int Report(const COptions& options, std::istream& in, std::ostream& out, std::ostream& err)
{
    if (options.m_bBatch)
        return ReportBatch(options, in, out, err);
    return ReportOne(options, out, err);
}

// An unnamed file to gather an answer in: removed as soon as it is open, so nothing is left
// behind however the program ends. Empty when none can be made; the answer is then gathered
// in memory.
std::unique_ptr<std::fstream> GatheringFile()
{
    const char* szFolder = std::getenv("TMPDIR");
    std::string strPath =
        std::string(szFolder && *szFolder ? szFolder : "/tmp") + "/fennory-cli-XXXXXX";
    const int nFile = mkstemp(strPath.data());
    if (nFile < 0)
        return nullptr;
    close(nFile);
    auto pFile = std::make_unique<std::fstream>(strPath, std::ios::binary | std::ios::in |
                                                             std::ios::out | std::ios::trunc);
    std::remove(strPath.c_str());
    if (!*pFile)
        return nullptr;
    return pFile;
}

// With --output the answer is gathered first, so that a file that cannot be written is
// reported rather than silently left short, and a batch file given as its own output is read
// before it is overwritten. It is gathered in a file: an answer repeats its input, and a huge
// input held twice more in memory would cost tens of megabytes.
int ReportToFile(const COptions& options, std::istream& in, std::ostream& err)
{
    std::unique_ptr<std::fstream> pGathered = GatheringFile();
    std::ostringstream inMemory;
    std::iostream* pAnswer = pGathered ? static_cast<std::iostream*>(pGathered.get()) : nullptr;
    std::ostream& gathering = pAnswer ? static_cast<std::ostream&>(*pAnswer) : inMemory;
    const int nStatus = Report(options, in, gathering, err);
    if (nStatus == kExitNoInput)
        return nStatus;
    std::ofstream file(options.m_strOutput, std::ios::binary | std::ios::trunc);
    if (pAnswer)
    {
        pAnswer->flush();
        pAnswer->seekg(0);
        if (pAnswer->peek() != std::char_traits<char>::eof())
            file << pAnswer->rdbuf();
        if (!*pAnswer)
            file.setstate(std::ios::badbit);
    }
    else
        file << std::move(inMemory).str(); // moved out: the answer may be megabytes
    file.close();
    if (!file)
    {
        err << "Cannot write " << options.m_strOutput << "\n";
        return kExitCannotWrite;
    }
    return nStatus;
}
} // namespace

int RunCommandLine(std::vector<std::string> args, std::istream& in, std::ostream& out,
                   std::ostream& err)
{
    CLI::App app("fennory-cli", "fennory-cli");
    COptions options;
    Describe(app, options);
    options.m_Graph = TakeGraphOption(args);
    if (const std::string strUnknown = FindUnknownOption(args); !strUnknown.empty())
    {
        err << "fennory-cli: unknown option \"" << strUnknown << "\"\n"
            << "Run with --help for more information.\n";
        return kExitUsage;
    }
    try
    {
        args = SeparateNegativeText(std::move(args));
        std::reverse(args.begin(), args.end()); // CLI11 takes the arguments last first
        app.parse(args);
    }
    catch (const CLI::CallForHelp&)
    {
        out << app.help();
        return 0;
    }
    catch (const CLI::CallForVersion& version)
    {
        out << version.what() << "\n";
        return 0;
    }
    catch (const CLI::ParseError& error)
    {
        err << error.what() << "\n"
            << "Run with --help for more information.\n";
        return kExitUsage;
    }
    if (const std::string strConflict = Conflict(options); !strConflict.empty())
    {
        err << strConflict << "\n";
        return kExitUsage;
    }
    if (!options.m_bBatch && app.count("TEXT") == 0)
    {
        err << "Give a TEXT to simplify, or --batch. Run with --help for more information.\n";
        return kExitUsage;
    }
    if (app.count("--output") > 0)
        return ReportToFile(options, in, err);
    return Report(options, in, out, err);
}
