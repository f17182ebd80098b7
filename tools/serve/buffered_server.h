// SPDX-License-Identifier: GPL-3.0-or-later
// An HTTP server whose kept-alive connections read and write through one
// buffer each: a response leaves in one send, requests sent back to back
// (pipelined) are read from the same buffer, and a request already waiting
// costs one receive. cpp-httplib parses and answers the requests.
#pragma once
#include <httplib.h>

namespace serve {

class BufferedServer : public httplib::Server {
private:
    bool process_and_close_socket(socket_t sock) override;
};

}  // namespace serve
