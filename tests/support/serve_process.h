// SPDX-License-Identifier: GPL-3.0-or-later
// velder-serve started by a test on a free loopback port, always stopped (SIGTERM,
// then SIGKILL after five seconds; killed with the test process), and a throwaway test CA with a server
// certificate for 127.0.0.1 made with openssl.
#pragma once
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

namespace velder_test {

class ServeProcess {
public:
    // Starts VELDER_SERVE with the arguments and "--listen 127.0.0.1:0"; waits
    // up to ten seconds for its address line.
    explicit ServeProcess(std::vector<std::string> args)
    {
        args.insert(args.begin(), VELDER_SERVE);
        args.push_back("--listen");
        args.push_back("127.0.0.1:0");
        int out[2];
        if (::pipe(out) != 0) throw std::runtime_error("pipe");
        pid_ = ::fork();
        if (pid_ == 0) {
            ::prctl(PR_SET_PDEATHSIG, SIGKILL);  // never outlives the test
            ::dup2(out[1], 1);
            ::close(out[0]);
            ::close(out[1]);
            if (std::getenv("VELDER_SERVE_LOG") == nullptr) ::dup2(::open("/dev/null", O_WRONLY), 2);
            std::vector<char*> argv;
            for (auto& arg : args) argv.push_back(arg.data());
            argv.push_back(nullptr);
            ::execv(argv[0], argv.data());
            ::_exit(127);
        }
        ::close(out[1]);
        std::string line;
        pollfd ready{out[0], POLLIN, 0};
        const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        char c = 0;
        while (line.find('\n') == std::string::npos && std::chrono::steady_clock::now() < until &&
               ::poll(&ready, 1, 200) >= 0) {
            if ((ready.revents & (POLLIN | POLLHUP)) == 0) continue;
            if (::read(out[0], &c, 1) != 1) break;
            line += c;
        }
        ::close(out[0]);
        const std::size_t at = line.find("listening on ");
        if (at == std::string::npos) {
            Stop();
            throw std::runtime_error("velder-serve did not start: " + line);
        }
        url_ = line.substr(at + 13, line.find('\n') - at - 13);
    }
    ServeProcess(const ServeProcess&) = delete;
    ServeProcess& operator=(const ServeProcess&) = delete;
    ~ServeProcess() { Stop(); }

    const std::string& Url() const { return url_; }
    // The exit status after a stop by SIGTERM, -1 when it had to be killed.
    int Stop()
    {
        if (pid_ <= 0) return status_;
        ::kill(pid_, SIGTERM);
        int status = 0;
        for (int i = 0; i < 50; ++i) {
            if (::waitpid(pid_, &status, WNOHANG) == pid_) {
                pid_ = 0;
                return status_ = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
        ::kill(pid_, SIGKILL);
        ::waitpid(pid_, &status, 0);
        pid_ = 0;
        return status_ = -1;
    }

private:
    pid_t pid_ = -1;
    int status_ = -1;
    std::string url_;
};

// ca.pem (a test CA) and cert.pem / key.pem (127.0.0.1, signed by it) in dir.
inline void MakeTestCertificates(const std::filesystem::path& dir)
{
    const std::string d = dir.string();
    const std::string script =
        "cd '" + d +
        "' && openssl req -x509 -newkey rsa:2048 -nodes -keyout ca.key -out ca.pem -days 2 "
        "-subj '/CN=Velder Test CA' 2>/dev/null && openssl req -newkey rsa:2048 -nodes -keyout key.pem "
        "-out cert.csr -subj '/CN=127.0.0.1' 2>/dev/null && printf "
        "'subjectAltName=IP:127.0.0.1,DNS:localhost' "
        ">ext.txt && openssl x509 -req -in cert.csr -CA ca.pem -CAkey ca.key -CAcreateserial -out cert.pem "
        "-days 2 -extfile ext.txt 2>/dev/null";
    if (std::system(script.c_str()) != 0)
        throw std::runtime_error("openssl could not make the test certificates");
}

}  // namespace velder_test
