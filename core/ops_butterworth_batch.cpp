// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ops_butterworth_batch.h"

#include <algorithm>
#include <vector>

#include "core/parallel_for.h"

namespace ko {

namespace {

constexpr std::size_t kWidth = 4;           // doubles per vector
constexpr std::size_t kLanes = 2 * kWidth;  // signals side by side

// Element-wise vector arithmetic: every element gets the very operations the
// scalar Step does, in its order.
typedef double CVector __attribute__((vector_size(kWidth * sizeof(double))));

struct CVectorState {
    CVector x1, x2, y1, y2;
};

struct CVectorSection {
    CVector a0, a1, a2, b1, b2;
};

// By reference: vectors passed by value would change the calling convention
// between the AVX2 and the base build.
inline void StepVector(const CVectorSection& c, CVectorState& s, const CVector& in, CVector& out)
{
    out = c.a0 * in + c.a1 * s.x1 + c.a2 * s.x2 + c.b1 * s.y1 + c.b2 * s.y2;
    s.x2 = s.x1;
    s.x1 = in;
    s.y2 = s.y1;
    s.y1 = out;
}

// The lockstep part of a pass: steps samples of every lane, lane l at p[l]
// moving by stride[l] (0 for a padding lane). Built for AVX2 where the
// processor has it, else for the base instruction set.
__attribute__((target_clones("avx2", "default"))) void Lockstep(double** p, const std::ptrdiff_t* stride,
                                                                const CButterworthSection* c,
                                                                CSectionState* start, std::size_t steps)
{
    CVectorSection vc[2];
    CVectorState vs[2];
    for (std::size_t v = 0; v < 2; ++v) {
        for (std::size_t e = 0; e < kWidth; ++e) {
            const std::size_t l = v * kWidth + e;
            vc[v].a0[e] = c[l].a0, vc[v].a1[e] = c[l].a1, vc[v].a2[e] = c[l].a2;
            vc[v].b1[e] = c[l].b1, vc[v].b2[e] = c[l].b2;
            vs[v].x1[e] = start[l].x1, vs[v].x2[e] = start[l].x2;
            vs[v].y1[e] = start[l].y1, vs[v].y2[e] = start[l].y2;
        }
    }
    double* q[kLanes];
    for (std::size_t l = 0; l < kLanes; ++l) q[l] = p[l];
    for (std::size_t k = 0; k < steps; ++k) {
        const CVector in0 = {*q[0], *q[1], *q[2], *q[3]};
        const CVector in1 = {*q[4], *q[5], *q[6], *q[7]};
        CVector out0, out1;
        StepVector(vc[0], vs[0], in0, out0);
        StepVector(vc[1], vs[1], in1, out1);
        for (std::size_t e = 0; e < kWidth; ++e) {
            *q[e] = out0[e];
            *q[kWidth + e] = out1[e];
        }
        for (std::size_t l = 0; l < kLanes; ++l) q[l] += stride[l];
    }
    for (std::size_t v = 0; v < 2; ++v) {
        for (std::size_t e = 0; e < kWidth; ++e) {
            const std::size_t l = v * kWidth + e;
            start[l] = {vs[v].x1[e], vs[v].x2[e], vs[v].y1[e], vs[v].y2[e]};
        }
    }
    for (std::size_t l = 0; l < kLanes; ++l) p[l] = q[l];
}

// A pass over up to kLanes signals. Forward runs y[0] .. y[n-1], backward
// y[n-1] .. y[0]; while every lane has samples left they advance together,
// then each finishes alone.
template <bool Forward>
void Pass(CButterworthJob* const* jobs, const CButterworthSection* c, CSectionState* start, std::size_t count)
{
    double pad = 0.0;
    double* p[kLanes];
    std::ptrdiff_t stride[kLanes];
    CButterworthSection lanes[kLanes];
    CSectionState states[kLanes];
    std::size_t common = jobs[0]->y.size();
    for (std::size_t l = 0; l < kLanes; ++l) {
        if (l < count) {
            const std::span<double> y = jobs[l]->y;
            p[l] = Forward ? y.data() : y.data() + y.size() - 1;
            stride[l] = Forward ? 1 : -1;
            common = std::min(common, y.size());
            lanes[l] = c[l];
            states[l] = start[l];
        } else {
            p[l] = &pad;
            stride[l] = 0;
            lanes[l] = c[0];
            states[l] = {};
        }
    }
    Lockstep(p, stride, lanes, states, common);
    for (std::size_t l = 0; l < count; ++l) {
        CSectionState s = states[l];
        double* q = p[l];
        for (std::size_t k = common; k < jobs[l]->y.size(); ++k, q += stride[l]) *q = Step(c[l], s, *q);
    }
}

// Both passes over a group of planned jobs that filter.
void FilterGroup(CButterworthJob* const* jobs, std::size_t count)
{
    CButterworthSection c[kLanes];
    CSectionState state[kLanes];
    for (std::size_t l = 0; l < count; ++l) {
        c[l] = ButterworthCoefficients(jobs[l]->t, jobs[l]->f);
        state[l] = ButterworthForwardStart(jobs[l]->y, c[l], jobs[l]->run.tail);
    }
    Pass<true>(jobs, c, state, count);
    for (std::size_t l = 0; l < count; ++l)
        state[l] = ButterworthBackwardStart(jobs[l]->y, c[l], jobs[l]->run.tail);
    Pass<false>(jobs, c, state, count);
}

}  // namespace

void ButterworthInPlaceBatch(std::span<CButterworthJob> jobs, unsigned threads)
{
    std::vector<CButterworthJob*> work;
    for (CButterworthJob& job : jobs) {
        job.run = ButterworthPlan(job.y.size(), job.t, job.f);
        if (job.run.filtered) work.push_back(&job);
    }
    // Similar lengths side by side keep the lanes busy together.
    std::stable_sort(work.begin(), work.end(), [](const CButterworthJob* a, const CButterworthJob* b) {
        return a->y.size() > b->y.size();
    });
    const std::size_t groups = (work.size() + kLanes - 1) / kLanes;
    ParallelFor(
        groups,
        [&](std::size_t g) {
            FilterGroup(work.data() + g * kLanes, std::min(kLanes, work.size() - g * kLanes));
        },
        threads);
}

}  // namespace ko
