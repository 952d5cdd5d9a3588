#include "report/gui/HeadlessReport.h"

#include <QApplication>
#include <QDir>
#include <iostream>

#include <fmt/format.h>

#include "base/Texts.h"
#include "base/gui/AtomicFile.h"
#include "cli/BeliefOptions.h"
#include "cli/ReportCommand.h"
#include "report/gui/UnitReport.h"

namespace quorvale {
namespace {

namespace t = texts::cli;

// The unit file read with --unit when it alone gave the entries, the
// pattern and the beliefs: decide --unit FILE then repeats the run.
std::string soleUnitFile(const cli::CommonOptions& o) {
    if (!o.unit || o.pattern != o.unit->pattern || o.shape || o.correlations != o.unit->beliefs.correlations) {
        return {};
    }
    std::string file;
    for (int entry = 0; entry < kEntryCount; ++entry) {
        const auto source = o.sourceOf[static_cast<std::size_t>(entry)];
        if (!source || o.sources[*source].file.empty() || (!file.empty() && o.sources[*source].file != file)) {
            return {};
        }
        file = o.sources[*source].file;
    }
    for (const auto& mode : o.modes) {
        if (mode && mode->fromOption) {
            return {};
        }
    }
    return file;
}

// The report of the inputs, taken in as decide takes them, and of the
// decision analysis the request asks for.
ReportContent headlessContent(const cli::ReportRequest& request, InMemoryInputs taken, const Beliefs& beliefs) {
    ReportContent c;
    c.locale = taken.valueRule().locale();
    const UnitDocument* file = request.common.unit ? &*request.common.unit : nullptr;
    c.unit = unitFromInputs(taken, file ? file->target : std::string(texts::simulator::kDefaultTarget));
    if (file) {
        c.unit.name = file->name;
        c.unit.notes = file->notes;
        c.unitName = QString::fromStdString(file->name);
    }
    c.rangeCase = RangeCase::Low;
    c.sweep = reportSweep(c.unit, c.rangeCase, c.locale);
    c.noRunNote = QString::fromUtf8(texts::report::kRunNotPart);

    // As decide reads them: the entries repaired on this copy.
    InMemoryInputs inputs = taken;
    Repair_Variables(inputs);
    DecisionSettings settings;
    settings.pattern = inputs.pattern();
    settings.seed = request.seed ? *request.seed : seedFromClock();
    settings.scenarios = request.scenarios;
    settings.voiBins = DecisionSettings::kDefaultVoiBins;
    c.decision = runDecisionAnalysis(DecisionAlternative{RunInputs(inputs), beliefs, settings.pattern, ""}, settings);
    c.beliefs = beliefs;
    c.unitFile = soleUnitFile(request.common);
    c.written = QDateTime::currentDateTime();
    c.version = QStringLiteral(QUORVALE_VERSION);
    return c;
}

QtMessageHandler g_passOn = nullptr;

// Without a login session (a cron job, a container) Qt finds no runtime
// folder and says it takes one in /tmp; that is no concern of a report, so
// that one warning is dropped and every other message passed on.
void withoutRuntimeFolderWarning(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtWarningMsg && message.startsWith(QStringLiteral("QStandardPaths: XDG_RUNTIME_DIR not set"))) {
        return;
    }
    g_passOn(type, context, message);
}

}  // namespace

int HeadlessReport::write(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    cli::ReportRequest request;
    InMemoryInputs inputs;
    if (const auto status = cli::startCommand(
            "report", [&] { return cli::parseReportRequest(args); }, request, inputs, err)) {
        return *status;
    }
    // A unit file's most-likely values and linked inputs, as decide draws
    // from them.
    Beliefs beliefs;
    try {
        beliefs = cli::commandBeliefs(request.common, inputs);
    } catch (const cli::UsageError& e) {
        return cli::sayUsageError("report", e, err);
    }
    const ReportContent content = headlessContent(request, inputs, beliefs);
    const QString path = QString::fromStdString(request.output);
    QString reason;
    if (!AtomicFile::save(path, UnitReport::pdf(content), &reason)) {
        err << fmt::format(t::kCommandError, "report",
                           fmt::format(t::kReportNotWritten, request.output, reason.toStdString()))
            << '\n';
        return 1;
    }
    out << fmt::format(t::kReportWritten, request.output) << '\n';
    // As decide: a run without a finite scenario has no answer.
    if (content.decision->steps > 0 && content.decision->recommendedStep == 0) {
        err << fmt::format(t::kCommandError, "report", t::kNoFiniteScenario) << '\n';
        return 1;
    }
    return 0;
}

int HeadlessReport::main(int argc, char** argv) {
    // No display is needed or looked for: the charts are drawn offscreen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    g_passOn = qInstallMessageHandler(withoutRuntimeFolderWarning);
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    // Everything after the program's name and --write-report is the
    // report's own.
    const std::vector<std::string> args(argv + 2, argv + argc);
    const int status = write(args, std::cout, std::cerr);
    std::cout.flush();
    return std::cout ? status : 1;
}

}  // namespace quorvale
