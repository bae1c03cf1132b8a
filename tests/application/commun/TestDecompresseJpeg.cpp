// The logo's decoding that both windows share: the layout's picture is a
// baseline JPEG of 777 by 776 pixels at 150 dots per inch, decoded whole into
// 32-bit rows; data that is not a JPEG, or is cut, gives no picture and no
// crash.
#include "application/jpeg/DecompresseJpeg.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

std::vector<unsigned char> Logo() {
    std::ifstream fichier(IMAGE_LOGO, std::ios::binary);
    return {std::istreambuf_iterator<char>(fichier), std::istreambuf_iterator<char>()};
}

TEST(DecompresseJpeg, LeLogoEntierEnLignesDe32BitsEtRienPourCeQuiNEstPasUnJpeg) {
    const std::vector<unsigned char> logo = Logo();
    const std::string octets(logo.begin(), logo.end());
    EXPECT_NE(octets.find("\xFF\xC0"), std::string::npos);  // baseline frame
    EXPECT_EQ(octets.find("\xFF\xC2"), std::string::npos);
    // JFIF header: units 1 (dots per inch), then 150 by 150.
    const std::size_t jfif = octets.find(std::string("JFIF\0", 5));
    ASSERT_NE(jfif, std::string::npos);
    EXPECT_EQ(octets.substr(jfif + 7, 5), std::string("\x01\x00\x96\x00\x96", 5));

    const auto image = DecompresseJpeg(logo);
    ASSERT_TRUE(image);
    EXPECT_EQ(image->Largeur, 777);
    EXPECT_EQ(image->Hauteur, 776);
    ASSERT_EQ(image->Pixels.size(), std::size_t{777} * 776 * 4);
    for (std::size_t pixel = 0; pixel < image->Pixels.size(); pixel += 4) ASSERT_EQ(image->Pixels[pixel + 3], 0xFF);

    const std::string pasUnJpeg = "pas un jpeg";
    EXPECT_FALSE(
        DecompresseJpeg(std::span(reinterpret_cast<const unsigned char*>(pasUnJpeg.data()), pasUnJpeg.size())));
    EXPECT_FALSE(DecompresseJpeg({}));
    DecompresseJpeg(std::span(logo).first(logo.size() / 2));  // a cut file must not crash
}

}  // namespace
