// quorvane_access_damage ORIGINAL [COUNT] [SEED]: makes COUNT damaged copies of an Access file
// (cut short or with bits flipped, see AccessDamage.h) and opens each through the engine's
// Access back-end, counting what happens: the file opens (with the warnings of what its reading
// went past, such as damaged query definitions), the engine raises a clear
// EDatabaseError naming the file, or anything else (an error that does not name the file,
// another exception, a crash or a hang of the opening process, another result when the same
// copy is opened a second time, fewer tables than the undamaged file lists). Fewer views without
// a warning are counted apart (see TListed). Each copy is opened in a child process of its own,
// so a crash or a hang is counted instead of ending the count.
//
// quorvane_access_damage ORIGINAL --every-byte [FIRST [END]] [MASK...]: instead of random damage,
// every byte from FIRST to END (the whole file by default) in turn, each XORed with every MASK
// (0xff by default), each copy opened once: a single changed byte anywhere in the catalogue
// must give every table or the damaged-file error.
//
// It lives beside the Access reader, as the engine starts the reader from its own folder. Every
// recipe that gave anything but the first two outcomes is printed for the replay test. It also
// prints the largest memory a reader took: the reader holds itself to 1 GiB, and a copy that
// drives it past ReaderMemoryBound counts as a failure here.

#include "AccessDamage.h"
#include "TempDir.h"
#include "schema/access/AccessSchemaSource.h"
#include "text/EngineErrors.h"

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using namespace quorvane;

// The engine gives up on the reader after 60 seconds; a process still busy after 70 hangs.
constexpr auto HangAfter = std::chrono::seconds(70);
// What the reader may take of a file this small, whatever the damage: far below its own limit.
constexpr long ReaderMemoryBoundKiB = 256L << 10;
// Separates the child's message from the reader's peak memory it reports.
constexpr char PeakSeparator = '\x1f';

enum TOutcome : int {
    Opened = 0,
    NamedError = 1,
    UnnamedError = 2,
    OtherException = 3,
    Crashed = 100,
    Hung = 101,
    Unstable = 102,
    Grew = 103,
    Shorter = 104,
    FewerViews = 5,
};

const char* OutcomeName(int outcome) {
    switch (outcome) {
    case Opened:
        return "opened fine";
    case NamedError:
        return "clear EDatabaseError naming the file";
    case UnnamedError:
        return "EDatabaseError not naming the file";
    case OtherException:
        return "other exception";
    case Crashed:
        return "crash of the opening process";
    case Hung:
        return "hang over 70 s";
    case Unstable:
        return "another result when opened again";
    case Grew:
        return "reader grew past its bound";
    case Shorter:
        return "fewer tables, nothing said";
    case FewerViews:
        return "fewer views, nothing said";
    default:
        return "unknown";
    }
}

// What a file lists. A damaged copy that opens lists as many tables as the undamaged file: a
// catalogue that lost one is damaged. It may list fewer views without a word when the damage lies
// in the query definitions (MSysQueries) or in a table a query reads: a query whose definition
// reads as one over unknown names is a parameter query, left out as such. Those are counted
// apart, not as failures.
struct TListed {
    std::size_t Tables = 0;
    std::size_t Views = 0;
};

TListed Count(ISchemaSource& source) {
    TListed listed;
    for (const TCatalogRow& row : source.ReadCatalogue()) {
        listed.Views += row.TableType == "VIEW" ? 1 : 0;
        listed.Tables += row.TableType == "TABLE" ? 1 : 0;
    }
    return listed;
}

// Runs in the child: opens the file and describes every table, and says how that went.
[[noreturn]] void OpenInChild(const std::string& path, const TListed& whole, int messagePipe) {
    auto say = [&](std::string text) {
        // The reader has been reaped by now: its peak memory is this process's children's.
        rusage usage{};
        ::getrusage(RUSAGE_CHILDREN, &usage);
        text += PeakSeparator + std::to_string(usage.ru_maxrss);
        const ssize_t ignored = ::write(messagePipe, text.data(), text.size());
        (void)ignored;
    };
    try {
        auto source = OpenAccessSchemaSource(path);
        std::size_t columns = 0;
        const auto catalogue = source->ReadCatalogue();
        for (const auto& row : catalogue) {
            columns += source->DescribeTable(row.TableName).Columns.size();
        }
        const TListed listed = Count(*source);
        std::string told = std::to_string(listed.Tables) + " tables, " +
                           std::to_string(listed.Views) + " views, " + std::to_string(columns) +
                           " columns";
        const std::vector<std::string> warnings = source->Warnings();
        for (const std::string& warning : warnings) {
            told += "; warning: " + warning;
        }
        say(told);
        if (listed.Tables < whole.Tables) {
            std::_Exit(Shorter);
        }
        std::_Exit(listed.Views < whole.Views && warnings.empty() ? FewerViews : Opened);
    } catch (const EDatabaseError& error) {
        const std::string message = error.what();
        say(message);
        std::_Exit(message.find(path) != std::string::npos ? NamedError : UnnamedError);
    } catch (const std::exception& error) {
        say(error.what());
        std::_Exit(OtherException);
    } catch (...) {
        std::_Exit(OtherException);
    }
}

struct TResult {
    int Outcome;
    std::string Message;
    long ReaderPeakKiB = 0;
};

TResult OpenInChildProcess(const std::string& path, const TListed& whole) {
    int pipeEnds[2];
    if (::pipe(pipeEnds) != 0) {
        std::perror("pipe");
        std::exit(2);
    }
    const pid_t child = ::fork();
    if (child < 0) {
        std::perror("fork");
        std::exit(2);
    }
    if (child == 0) {
        ::close(pipeEnds[0]);
        OpenInChild(path, whole, pipeEnds[1]);
    }
    ::close(pipeEnds[1]);
    const auto deadline = std::chrono::steady_clock::now() + HangAfter;
    int status = 0;
    TResult result{Hung, {}};
    for (;;) {
        const pid_t done = ::waitpid(child, &status, WNOHANG);
        if (done == child) {
            if (WIFEXITED(status)) {
                result.Outcome = WEXITSTATUS(status);
            } else {
                result.Outcome = Crashed;
                result.Message = "signal " + std::to_string(WTERMSIG(status));
            }
            break;
        }
        if (std::chrono::steady_clock::now() > deadline) {
            ::kill(child, SIGKILL);
            ::waitpid(child, &status, 0);
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    char buffer[4096];
    for (ssize_t count; (count = ::read(pipeEnds[0], buffer, sizeof buffer)) > 0;) {
        result.Message.append(buffer, static_cast<std::size_t>(count));
    }
    ::close(pipeEnds[0]);
    const std::size_t separator = result.Message.rfind(PeakSeparator);
    if (separator != std::string::npos) {
        result.ReaderPeakKiB = std::atol(result.Message.c_str() + separator + 1);
        result.Message.resize(separator);
    }
    if (result.ReaderPeakKiB > ReaderMemoryBoundKiB) {
        result.Outcome = Grew;
    }
    return result;
}

// The damages of a run: random ones, or one changed byte at each offset in turn.
struct TDamagePlan {
    bool EveryByte = false;
    int Count = 300;
    unsigned long long Seed = 20240601;
    std::size_t First = 0;
    std::size_t End = SIZE_MAX;
    std::vector<unsigned> Masks;
};

TDamagePlan ParsePlan(int argc, char** argv) {
    TDamagePlan plan;
    if (argc > 2 && std::string(argv[2]) == "--every-byte") {
        plan.EveryByte = true;
        int next = 3;
        // Offsets first, then masks: a mask is written in hexadecimal ("0x01").
        for (std::size_t* offset : {&plan.First, &plan.End}) {
            if (next < argc && std::string(argv[next]).rfind("0x", 0) != 0) {
                *offset = std::strtoull(argv[next++], nullptr, 10);
            }
        }
        for (; next < argc; ++next) {
            plan.Masks.push_back(static_cast<unsigned>(std::strtoul(argv[next], nullptr, 16)));
        }
        if (plan.Masks.empty()) {
            plan.Masks.push_back(0xff);
        }
        return plan;
    }
    plan.Count = argc > 2 ? std::atoi(argv[2]) : plan.Count;
    plan.Seed = argc > 3 ? std::strtoull(argv[3], nullptr, 10) : plan.Seed;
    return plan;
}

// The byte at `offset` XORed with `mask`, as bits flipped.
fuzz::TAccessDamage ChangedByte(std::size_t offset, unsigned mask) {
    fuzz::TAccessDamage damage;
    for (std::size_t bit = 0; bit < 8; ++bit) {
        if ((mask >> bit) & 1u) {
            damage.FlippedBits.push_back(offset * 8 + bit);
        }
    }
    return damage;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr,
                     "usage: %s ORIGINAL.mdb [COUNT] [SEED]\n"
                     "       %s ORIGINAL.mdb --every-byte [FIRST [END]] [MASK...]\n",
                     argv[0], argv[0]);
        return 2;
    }
    const std::string original = ReadFile(argv[1]);
    const TDamagePlan plan = ParsePlan(argc, argv);
    std::mt19937_64 random(plan.Seed);
    const TTempDir folder;
    const std::string path = folder.File("damaged.mdb");

    std::vector<fuzz::TAccessDamage> damages;
    if (plan.EveryByte) {
        for (std::size_t offset = plan.First; offset < std::min(plan.End, original.size());
             ++offset) {
            for (const unsigned mask : plan.Masks) {
                damages.push_back(ChangedByte(offset, mask));
            }
        }
    } else {
        for (int i = 0; i < plan.Count; ++i) {
            damages.push_back(fuzz::RandomDamage(random, original.size()));
        }
    }
    TListed whole;
    try {
        whole = Count(*OpenAccessSchemaSource(argv[1]));
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s does not open: %s\n", argv[1], error.what());
        return 2;
    }

    std::map<int, int> outcomes;
    long largestReaderKiB = 0;
    std::map<std::string, int> messages; // the engine's messages without the file name
    const auto started = std::chrono::steady_clock::now();
    for (std::size_t i = 0; i < damages.size(); ++i) {
        const fuzz::TAccessDamage& damage = damages[i];
        WriteFile(path, fuzz::ApplyDamage(original, damage));
        TResult result = OpenInChildProcess(path, whole);
        // A damaged file gives the same result every time; another message the second time
        // means the reader used memory it should not have.
        if (!plan.EveryByte && (result.Outcome == Opened || result.Outcome == NamedError)) {
            const TResult again = OpenInChildProcess(path, whole);
            if (again.Outcome != result.Outcome || again.Message != result.Message) {
                result.Outcome = Unstable;
                result.Message += " | then: " + again.Message;
            }
        }
        ++outcomes[result.Outcome];
        largestReaderKiB = std::max(largestReaderKiB, result.ReaderPeakKiB);
        std::string message = result.Message;
        for (std::size_t at = message.find(path); at != std::string::npos;
             at = message.find(path, at)) {
            message.replace(at, path.size(), "FILE");
        }
        if (result.Outcome == Opened) {
            // What a damaged file's reading went past is worth counting; the counts are not.
            const std::size_t warning = message.find("; warning: ");
            message = warning == std::string::npos ? "opened" : "opened" + message.substr(warning);
        }
        ++messages[message];
        // Byte by byte, only what is wrong is worth a line: the copies are many.
        if (!plan.EveryByte || (result.Outcome != Opened && result.Outcome != NamedError &&
                                result.Outcome != FewerViews)) {
            std::printf("%4zu %-40s %s  %s\n", i, OutcomeName(result.Outcome),
                        fuzz::DescribeDamage(damage).c_str(), message.substr(0, 160).c_str());
            std::fflush(stdout);
        }
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();

    if (plan.EveryByte) {
        std::printf("\n%zu copies of %s (%zu bytes), bytes %zu to %zu changed one at a time, %.1f "
                    "s:\n",
                    damages.size(), argv[1], original.size(), plan.First,
                    std::min(plan.End, original.size()), seconds);
    } else {
        std::printf("\n%d damaged copies of %s (%zu bytes), seed %llu, %.1f s:\n", plan.Count,
                    argv[1], original.size(), plan.Seed, seconds);
    }
    std::printf("  undamaged: %zu tables, %zu views\n", whole.Tables, whole.Views);
    std::printf("  largest reader: %ld KiB (bound %ld KiB)\n", largestReaderKiB,
                ReaderMemoryBoundKiB);
    for (const int outcome : {Opened, FewerViews, NamedError, UnnamedError, OtherException, Crashed,
                              Hung, Unstable, Grew, Shorter}) {
        std::printf("  %-40s %d\n", OutcomeName(outcome), outcomes[outcome]);
    }
    std::printf("Messages:\n");
    for (const auto& [message, times] : messages) {
        std::printf("  %4d  %s\n", times, message.substr(0, 200).c_str());
    }
    const bool clean = outcomes[UnnamedError] + outcomes[OtherException] + outcomes[Crashed] +
                           outcomes[Hung] + outcomes[Unstable] + outcomes[Grew] +
                           outcomes[Shorter] ==
                       0;
    return clean ? 0 : 1;
}
