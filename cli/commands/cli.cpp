#include "commands/cli.h"

#include "commands/dump.h"
#include "commands/figures.h"
#include "commands/import_export.h"
#include "commands/init.h"
#include "commands/listing.h"
#include "commands/print.h"
#include "commands/summary.h"
#include "records/database.h"

namespace vtl::cli {
namespace {

const char* kUsage =
    "usage: vtlpo init --data DIR [--demo] [--server postgresql://...]\n"
    "                                          create a data folder (empty, or with the demo company),\n"
    "                                          its company in a file there or on a PostgreSQL server\n"
    "       vtlpo migrate --from DIR --to DIR2 [--server postgresql://...]\n"
    "                                          copy the company of DIR to DIR2 (made when missing),\n"
    "                                          checking counts and sums before committing\n"
    "       vtlpo dump FILE --data DIR         print one record file as CSV\n"
    "       vtlpo summary --data DIR           print what a data folder holds\n"
    "       vtlpo check --data DIR             list where committed costs, on-order quantities and\n"
    "                                          orders disagree with the purchase-order lines\n"
    "       vtlpo recalc --data DIR [--on-order]\n"
    "                                          rebuild committed costs (and on-order quantities)\n"
    "       vtlpo source list|show|remove|add --data DIR ...\n"
    "                                          list, show, remove or add import sources\n"
    "       vtlpo import --data DIR --source TITLE [--file FILE] [--detail-file FILE] [--proceed] [--errors FILE]\n"
    "                                          read, check and import purchase orders\n"
    "       vtlpo export --data DIR (--po POID [--po POID ...] | --all) FILE\n"
    "                                          write purchase orders to a text file\n";

struct Parsed {
    std::string command;
    std::vector<std::string> positional;
    std::string data;
    std::string server, from, to;
    bool demo = false;
    bool onOrder = false;
    std::string problem;
};

Parsed parse(const std::vector<std::string>& args) {
    Parsed p;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--data") {
            if (i + 1 >= args.size()) {
                p.problem = "--data needs a folder";
                return p;
            }
            p.data = args[++i];
        } else if (a == "--server" || a == "--from" || a == "--to") {
            if (i + 1 >= args.size()) {
                p.problem = a + " needs a value";
                return p;
            }
            (a == "--server" ? p.server : a == "--from" ? p.from : p.to) = args[++i];
        } else if (a == "--demo") {
            p.demo = true;
        } else if (a == "--on-order") {
            p.onOrder = true;
        } else if (a.rfind("--", 0) == 0) {
            p.problem = "unknown option " + a;
            return p;
        } else if (p.command.empty()) {
            p.command = a;
        } else {
            p.positional.push_back(a);
        }
    }
    return p;
}

}  // namespace

int run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, bool terminal) {
    // Commands with options of their own read them themselves.
    if (!args.empty() && args[0] == "print")
        return printCommand(std::vector<std::string>(args.begin() + 1, args.end()), out, err, terminal);
    if (!args.empty() && args[0] == "listing")
        return listingCommand(std::vector<std::string>(args.begin() + 1, args.end()), out, err, terminal);
    // The command is the first word that is not an option or the data folder.
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--data" || args[i] == "--server" || args[i] == "--from" || args[i] == "--to") {
            ++i;
            continue;
        }
        if (args[i].rfind("--", 0) == 0) continue;
        if (args[i] == "source" || args[i] == "import" || args[i] == "export") {
            return importExportCommand(args, out, err, terminal);
        }
        break;
    }
    Parsed p = parse(args);
    if (!p.problem.empty()) {
        err << "vtlpo: " << p.problem << "\n" << kUsage;
        return 2;
    }
    if (p.command == "help" || p.command.empty()) {
        (p.command.empty() ? err : out) << kUsage << kPrintUsage << kListingUsage;
        return p.command.empty() ? 2 : 0;
    }
    if (p.command == "migrate" && p.positional.empty() && p.data.empty()) {
        if (p.from.empty() || p.to.empty()) {
            err << "vtlpo: migrate needs --from DIR and --to DIR\n" << kUsage;
            return 2;
        }
        return migrateCommand(p.from, p.to, p.server, out, err);
    }
    if (p.data.empty()) {
        err << "vtlpo: " << p.command << " needs --data DIR\n" << kUsage;
        return 2;
    }
    if (p.command == "init" && p.positional.empty()) return initCommand(p.data, p.demo, p.server, out, err);
    if (p.command == "dump" && p.positional.size() == 1) return dumpCommand(p.positional[0], p.data, out, err);
    if (p.command == "summary" && p.positional.empty()) {
        auto db = openDataFolder(p.data, true);
        if (!db) {
            err << "vtlpo: " << db.error << "\n";
            return 1;
        }
        out << summarize(*db.store);
        return 0;
    }
    if (p.command == "check" && p.positional.empty()) return checkCommand(p.data, out, err, terminal);
    if (p.command == "recalc" && p.positional.empty()) return recalcCommand(p.data, p.onOrder, out, err, terminal);
    err << "vtlpo: cannot understand \"" << p.command << "\" with these arguments\n" << kUsage;
    return 2;
}

}  // namespace vtl::cli
