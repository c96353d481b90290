#pragma once
// The address of the donation page on the payment service.

#include <string>

// "https://" + host + "/xclick/" followed by the payment form's fields:
// the receiving account `email` (escaped for a query, so its at sign reads
// "%40"), the item name and no shipping.
std::string DonationAddress(const std::string& host, const std::string& email);

// The address the donation image opens.
std::string DonationPageAddress();
