// SPDX-License-Identifier: GPL-3.0-or-later
#include "sources/web_status_texts.h"

#include <map>

namespace ko {

std::string StatusText(long code)
{
    static const std::map<long, const char*> texts = {
        {202, "The request processing has not been completed."},
        {203, "Invalid returned meta in the entity-header."},
        {204, "Fulfilled the request, but no new information to send back."},
        {205, "Client program should reset, to recieved new information."},
        {206, "Fulfilled the partial GET request for the resource."},
        {300, "The server couldn't decide what to return."},
        {301, "New permanent URI, verify URI."},
        {302, "Requested resource resides temporarily under a different URI."},
        {303, "Request: Different URI and should be retrieved using a GET HTTP."},
        {304, "The requested resource has not been modified."},
        {305, "Requested: Accessed through the proxy."},
        {307, "Redirected request keeps the same HTTP verb. HTTP/1.1 behavior."},
        {400, "Request could not be processed. Invalid syntax."},
        {401, "Access denied: The requested requires user authentication."},
        {402, "Not currently implemented in the HTTP protocol."},
        {403, "Server understood the request, but is refusing to fulfill it."},
        {404, "Server has not found anything matching request: code 404 "},
        {405, "The HTTP verb used is not allowed."},
        {406, "No responses acceptable to the client were found."},
        {407, "Proxy authentication required."},
        {408, "The server timed out waiting for the request."},
        {409, "Request could not be completed due to a conflict the resource."},
        {410, "Requested is no longer available at the server."},
        {411, "Server refuses to accept the request without a defined content length."},
        {412, "Precondition given in one or more of the request header fields evaluated to false."},
        {413, "Refusing to process a request: Entity is larger than the server to process."},
        {414, "Server is refusing: Request URI is to long."},
        {415, "Request is in a format not supported."},
        {449, "Request should be retried after doing the appropriate action."},
        {500, "Server encountered an unexpected condition."},
        {501, "Server does not support the functionality required to fulfill the request."},
        {502, "Received an invalid response from the server."},
        {503, "The service is temporarily overloaded."},
        {504, "The request was timed out waiting for a gateway."},
        {505, "Server does not support, HTTP protocol version used in the request."},
    };
    const auto found = texts.find(code);
    return found == texts.end() ? "Unknown Status Code." : found->second;
}

namespace {

std::string StateText(const std::string& info)
{
    if (info == "1") return "Connected state.";
    if (info == "2") return "Disconnected state.";
    if (info == "16") return "Disconnected by user request.";
    if (info == "256") return "No network requests.";
    if (info == "512") return "Network requests are being made.";
    return {};
}

std::string Or(const std::string& info, const char* none)
{
    return info.empty() ? none : info;
}

}  // namespace

std::string StatusCallbackText(int status, const std::string& info, bool ownHandle)
{
    switch (status) {
        case 10: return "Resolving Name: " + Or(info, "Unavalable");
        case 11: return "Internet Name Resolved.";
        case 20: return "Connecting to Server ... ";
        case 21: return "Connection made!";
        case 30: return "Sending Request ...";
        case 31: return "Request Sent! - Size: " + info;
        case 40: return "Receiving Response ... ";
        case 41: return "Response Received: - Size: " + info;
        case 42: return "CTL Response Received.";
        case 43: return "Internet Status Prefetch.";
        case 50: return "Closing Connection ... ";
        case 51: return "Connection Closed.";
        case 60: return ownHandle ? "Created Session Handle." : "Created Open Request Handle.";
        case 70: return ownHandle ? "Closing Session Handle." : "Closing Open Request Handle.";
        case 80: return "Detecting Proxy.";
        case 100: return info.empty() ? "Request Complete." : "Request Complete. Error: " + info;
        case 110: return "Redirect Status: " + Or(info, "Unavailable");
        case 120: return "Intermediate Response Status Code: " + Or(info, "Unavailable");
        case 140: return "User Input Required.";
        case 200: return "Status State Changed: " + StateText(info);
        case 320: return "Cookie Sent.";
        case 321: return "Cookie Recieved.";
        case 324: return "Privacy Impacted.";
        case 325: return "P3P Header.";
        case 326: return "P3P Policy Reference.";
        case 327: return "Cookie History.";
        default: return "No Callback Message:";
    }
}

}  // namespace ko
