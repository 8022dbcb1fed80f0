#include "host/Host.h"
#include "host/HostOptions.h"

#include <csignal>
#include <exception>
#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    // A reader of the transcript that goes away (as "| head" does) must not end the editor
    // before it has saved the page: the failed write is seen on the stream and reported.
    std::signal(SIGPIPE, SIG_IGN);
    std::vector<std::string> args(argv + 1, argv + argc);
    std::string error;
    host::HostOptions options = host::HostOptions::parse(args, error);
    if (!error.empty()) {
        std::cerr << "zirirur: " << error << "\nTry 'zirirur --help'.\n";
        return host::ExitBadUsage;
    }
    if (options.help) {
        std::cout << host::HostOptions::usage();
        return host::ExitOk;
    }
    // No failure ends the editor with a crash: what escapes the run is reported.
    try {
        host::Host session(std::move(options), std::cin, std::cout, std::cerr);
        return session.run();
    } catch (const std::exception& failure) {
        std::cerr << "zirirur: " << failure.what() << "\n";
    } catch (...) {
        std::cerr << "zirirur: an unknown failure ended the run\n";
    }
    return host::ExitActionFailed;
}
