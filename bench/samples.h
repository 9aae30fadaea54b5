// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

// Repeated measurements of one figure. The median is what the table shows:
// on a shared machine a single run can be slowed by anything.
class Samples
{
public:
    void add(double value) { m_values.push_back(value); }
    bool isEmpty() const { return m_values.empty(); }
    int count() const { return int(m_values.size()); }

    double median() const;
    double min() const;
    double max() const;

private:
    std::vector<double> m_values;
};
