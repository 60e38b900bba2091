// A window drawn from a form model, brought in step with it on request.
#pragma once

class IModelView {
public:
    virtual ~IModelView() = default;
    // Redraws what changed in the model since the last call.
    virtual void Sync() = 0;
};
