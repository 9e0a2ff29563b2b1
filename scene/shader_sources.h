#pragma once

// The renderer's GLSL 1.20 programs, which every OpenGL from 2.1 on compiles.

namespace varnholt::scene {

inline constexpr const char* kLitVertex = R"(#version 120
attribute vec3 position;
attribute vec3 normal;
attribute vec2 texCoord;
uniform mat4 modelViewProjection;
uniform mat4 model;
uniform mat3 normalMatrix;
uniform float textureRepeats;
varying vec3 worldPosition;
varying vec3 worldNormal;
varying vec2 uv;
void main() {
    worldPosition = (model * vec4(position, 1.0)).xyz;
    worldNormal = normalMatrix * normal;
    uv = texCoord * textureRepeats;
    gl_Position = modelViewProjection * vec4(position, 1.0);
}
)";

// Emission, ambient and diffuse share one colour per side; the light adds its diffuse and
// specular share on top, so nothing is ever darker than its own colour.
inline constexpr const char* kLitFragment = R"(#version 120
uniform float opacity;
uniform bool shaded;
uniform vec3 frontColour;
uniform vec3 backColour;
uniform vec3 frontSpecular;
uniform vec3 backSpecular;
uniform float shininess;
uniform vec3 lightPosition;
uniform vec3 lightDiffuse;
uniform vec3 lightSpecular;
uniform vec3 eyePosition;
uniform bool textured;
uniform sampler2D texture0;
varying vec3 worldPosition;
varying vec3 worldNormal;
varying vec2 uv;
void main() {
    vec3 n = normalize(worldNormal);
    vec3 colour = frontColour;
    vec3 specular = frontSpecular;
    if (!gl_FrontFacing) {
        n = -n;
        colour = backColour;
        specular = backSpecular;
    }
    if (textured) colour = texture2D(texture0, uv).rgb;
    if (!shaded) {
        gl_FragColor = vec4(colour, opacity);
        return;
    }
    vec3 toLight = normalize(lightPosition - worldPosition);
    float diffuse = max(dot(n, toLight), 0.0);
    vec3 result = colour + colour * lightDiffuse * diffuse;
    if (diffuse > 0.0) {
        vec3 halfway = normalize(toLight + normalize(eyePosition - worldPosition));
        result += specular * lightSpecular * pow(max(dot(n, halfway), 0.0), shininess);
    }
    gl_FragColor = vec4(min(result, vec3(1.0)), opacity);
}
)";

inline constexpr const char* kFlatVertex = R"(#version 120
attribute vec3 position;
attribute vec3 colour;
uniform mat4 modelViewProjection;
varying vec3 fragmentColour;
void main() {
    fragmentColour = colour;
    gl_Position = modelViewProjection * vec4(position, 1.0);
}
)";

// Dotted lines count pixels along the line's major screen axis, as line stipple did: pattern
// 0xCCCC at factor 1 is two pixels off, two on.
inline constexpr const char* kFlatFragment = R"(#version 120
uniform int stippleAxis;
varying vec3 fragmentColour;
void main() {
    if (stippleAxis != 0) {
        float along = stippleAxis == 1 ? gl_FragCoord.x : gl_FragCoord.y;
        if (mod(floor(along), 4.0) < 2.0) discard;
    }
    gl_FragColor = vec4(fragmentColour, 1.0);
}
)";

// Quads fixed to the view: the flare's glows and rings, added to the picture, and captions,
// whose white glyphs are tinted with their colour.
inline constexpr const char* kSpriteVertex = R"(#version 120
attribute vec2 corner;
uniform vec2 centre;
uniform vec2 radius;
varying vec2 offset;
void main() {
    offset = corner;
    gl_Position = vec4(centre + corner * radius, 0.0, 1.0);
}
)";

inline constexpr const char* kSpriteFragment = R"(#version 120
uniform bool glyphs;
uniform sampler2D texture0;
uniform vec3 colour;
uniform float ring;
varying vec2 offset;
void main() {
    if (glyphs) {
        float ink = texture2D(texture0, vec2(offset.x * 0.5 + 0.5, 0.5 - offset.y * 0.5)).a;
        gl_FragColor = vec4(colour * ink, ink);
        return;
    }
    float d = length(offset);
    float glow = ring > 0.0 ? max(0.0, 1.0 - abs(d - ring) * 8.0) : pow(max(0.0, 1.0 - d), 2.0);
    gl_FragColor = vec4(colour * glow, 1.0);
}
)";

}  // namespace varnholt::scene
