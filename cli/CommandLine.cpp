#include "CommandLine.h"

#include "FennoryVersion.h"
#include "TextReport.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <fstream>
#include <istream>
#include <ostream>

namespace
{
struct COptions
{
    std::string m_strText; // the text, or the batch file
    bool m_bJson = false;
    bool m_bBatch = false;
    int m_nRepeat = 0;
};

constexpr const char* kDescription =
    "Simplifies an equation or expression step by step and tells how it was done.\n"
    "TEXT is equation text (x^2!+2x+1, %1,2$x, 3x/(x+1)=0) or ordinary notation: x^2, x², ×, "
    "÷, ·, the Unicode minus, ½ and 3 1/2 for a mixed number. Blanks are dropped.";
constexpr const char* kFooter =
    "Exit status: 0 simplified, 1 the text was refused (messages on standard error), 2 the "
    "simplification failed (message on standard error), 64 bad options, 66 unreadable batch file.\n"
    "A TEXT that begins with \"-\" may be given after \"--\".";

bool IsOptionSpelling(const std::string& arg)
{
    return arg == "--json" || arg == "--batch" || arg == "--repeat" || arg == "--help" ||
           arg == "--version" || arg == "-h" || arg.rfind("--repeat=", 0) == 0;
}

// The first argument before "--" that is spelt as a long option but is none, or "". No text
// starts with "--" (two operators in a row), so such an argument is a mistyped option.
std::string FindUnknownOption(const std::vector<std::string>& args)
{
    for (size_t i = 0; i < args.size() && args[i] != "--"; ++i)
    {
        const bool bValueOfRepeat = i > 0 && args[i - 1] == "--repeat";
        if (args[i].rfind("--", 0) == 0 && !IsOptionSpelling(args[i]) && !bValueOfRepeat)
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
        const bool bValueOfRepeat = i > 0 && args[i - 1] == "--repeat";
        if (args[i].size() > 1 && args[i][0] == '-' && !IsOptionSpelling(args[i]) &&
            !bValueOfRepeat)
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
    app.add_option(
        "TEXT", options.m_strText,
        "The text to simplify; with --batch, the file to read (default: standard input)");
    app.add_flag("--json", options.m_bJson, "Print one JSON object instead of the plain narrative");
    app.add_flag("--batch", options.m_bBatch,
                 "Read one text per line and print one JSON object per line");
    app.set_version_flag("--version", std::string("fennory-cli ") + FENNORY_VERSION);
    app.add_option("--repeat", options.m_nRepeat,
                   "Run each request N times and add \"micros\", the median time")
        ->check(CLI::Range(1, 1000000));
}

int ReportOne(const COptions& options, std::ostream& out, std::ostream& err)
{
    const CTextReport report = ReportText(options.m_strText, options.m_nRepeat);
    err << ToDiagnostics(report);
    out << (options.m_bJson ? ToJsonLine(report) : ToPlainText(report));
    return ExitStatus(report);
}

int ReportLines(std::istream& in, int nRepeat, std::ostream& out)
{
    std::string strLine;
    while (std::getline(in, strLine))
    {
        if (!strLine.empty() && strLine.back() == '\r')
            strLine.pop_back();
        out << ToJsonLine(ReportText(strLine, nRepeat));
        out.flush();
    }
    return 0;
}

int ReportBatch(const COptions& options, std::istream& in, std::ostream& out, std::ostream& err)
{
    if (options.m_strText.empty() || options.m_strText == "-")
        return ReportLines(in, options.m_nRepeat, out);
    std::ifstream file(options.m_strText, std::ios::binary);
    if (!file)
    {
        err << "Cannot read " << options.m_strText << "\n";
        return kExitNoInput;
    }
    return ReportLines(file, options.m_nRepeat, out);
}
} // namespace

int RunCommandLine(std::vector<std::string> args, std::istream& in, std::ostream& out,
                   std::ostream& err)
{
    CLI::App app("fennory-cli", "fennory-cli");
    COptions options;
    Describe(app, options);
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
    if (options.m_nRepeat > 0 && !options.m_bJson && !options.m_bBatch)
    {
        err << "--repeat needs --json or --batch\n";
        return kExitUsage;
    }
    if (options.m_bBatch)
        return ReportBatch(options, in, out, err);
    if (app.count("TEXT") == 0)
    {
        err << "Give a TEXT to simplify, or --batch. Run with --help for more information.\n";
        return kExitUsage;
    }
    return ReportOne(options, out, err);
}
