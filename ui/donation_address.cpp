#include "donation_address.h"

namespace {

const char kDonationHost[] = "www.paypal.com";
const char kDonationEmail[] = "donations@dalvorn.example";
const char kItemFields[] = "&item_name=Support+Freeware+Dalvorn&no_shipping=1";

bool IsUnreserved(unsigned char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '.' ||
           c == '_' || c == '~';
}

// Percent-encodes everything but the unreserved characters, so an address
// with '&', '+' or '=' cannot break the fields that follow it.
std::string EscapeForQuery(const std::string& value)
{
    static const char kHexDigits[] = "0123456789ABCDEF";
    std::string escaped;
    for (const char c : value) {
        const auto byte = static_cast<unsigned char>(c);
        if (IsUnreserved(byte)) {
            escaped += c;
        } else {
            escaped += '%';
            escaped += kHexDigits[byte >> 4];
            escaped += kHexDigits[byte & 0x0F];
        }
    }
    return escaped;
}

}  // namespace

std::string DonationAddress(const std::string& host, const std::string& email)
{
    return "https://" + host + "/xclick/business=" + EscapeForQuery(email) + kItemFields;
}

std::string DonationPageAddress()
{
    return DonationAddress(kDonationHost, kDonationEmail);
}
