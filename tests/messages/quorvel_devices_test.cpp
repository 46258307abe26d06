#include "messages/quorvel_devices.h"

#include <gtest/gtest.h>

TEST(QuorvelDevices, StartsWithNothingSelected) {
    QuorvelDevices catalog;
    EXPECT_EQ(catalog.current_device, -1);
    EXPECT_EQ(catalog.GetDeviceName(), "NONE");
    EXPECT_EQ(catalog.GetCurrentDevice(), nullptr);
}

TEST(QuorvelDevices, SelectsByExactName) {
    struct Case { const char* name; int index; int device_type; };
    const Case cases[] = {{"TN3", 0, 25}, {"TN3A", 1, 28}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QuorvelDevices catalog;
        ASSERT_TRUE(catalog.SetDeviceTo(c.name));
        EXPECT_EQ(catalog.current_device, c.index);
        EXPECT_EQ(catalog.GetDeviceName(), c.name);
        EXPECT_EQ(catalog.GetCurrentDevice()->device_type, c.device_type);
    }
}

TEST(QuorvelDevices, FailedSelectionForgetsThePreviousOne) {
    for (const char* name : {"tn3", "", "TN3 ", "TN4", "NONE"}) {
        SCOPED_TRACE(name);
        QuorvelDevices catalog;
        ASSERT_TRUE(catalog.SetDeviceTo("TN3A"));
        EXPECT_FALSE(catalog.SetDeviceTo(name));
        EXPECT_EQ(catalog.current_device, -1);
        EXPECT_EQ(catalog.GetDeviceName(), "NONE");
    }
}

TEST(QuorvelDevices, CatalogContent) {
    QuorvelDevices catalog;
    ASSERT_EQ(catalog.devices.size(), 2u);
    for (const auto& device : catalog.devices) {
        EXPECT_EQ(device.product_name, "Tarnel Feeder");
        EXPECT_EQ(device.description,
                  "TarnelFeeder 3 Timer Controller\nRF Programmable\nNiMH Solar Charger Regulator");
    }
}

TEST(QuorvelDevices, SingletonIsOneInstance) {
    EXPECT_EQ(&Singleton<QuorvelDevices>::instance, &Singleton<QuorvelDevices>::instance);
    EXPECT_EQ(Singleton<QuorvelDevices>::instance.devices.size(), 2u);
}
