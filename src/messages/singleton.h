#pragma once
// Singleton<T>: one process-wide instance of T, built during static initialisation.

template <typename T>
struct Singleton {
    static T instance;
};

template <typename T>
T Singleton<T>::instance;
