#include <QCoreApplication>
#include <QNetworkProxy>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    // The tests talk only to their own server on 127.0.0.1: never through a
    // proxy the environment might name.
    for (const char* var : {"http_proxy", "https_proxy", "all_proxy", "HTTP_PROXY", "HTTPS_PROXY",
                            "ALL_PROXY", "ZELMOR_SOUND_SITE"})
        qunsetenv(var);
    QCoreApplication app(argc, argv);
    QNetworkProxy::setApplicationProxy(QNetworkProxy::NoProxy);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
