package org.bukkit.inventory;

import java.util.List;
import java.util.Map;

import org.bukkit.FireworkEffect;
import org.bukkit.inventory.meta.FireworkEffectMeta;

/** A firework star's burst, the tag's "Explosion" compound. */
final class FireworkChargeMeta extends StackMeta implements FireworkEffectMeta {
    private FireworkEffect effect;

    public void setEffect(FireworkEffect e) {
        effect = e;
    }

    public boolean hasEffect() {
        return effect != null;
    }

    public FireworkEffect getEffect() {
        return effect;
    }

    @Override
    public FireworkChargeMeta clone() {
        return (FireworkChargeMeta) super.clone();
    }

    @Override
    boolean isEmpty() {
        return super.isEmpty() && effect == null;
    }

    @Override
    List<String> ownKeys() {
        List<String> keys = super.ownKeys();
        keys.add("Explosion");
        return keys;
    }

    @Override
    void readTag(Map<String, Object> tag) {
        super.readTag(tag);
        effect = tag == null ? null : Explosions.fromTag(tag.get("Explosion"));
    }

    @Override
    void writeOwn(Map<String, Object> tag) {
        if (effect != null) {
            tag.put("Explosion", Explosions.toTag(effect));
        }
    }

    @Override
    String metaType() {
        return "FIREWORK_EFFECT";
    }

    @Override
    void serializeOwn(Map<String, Object> out) {
        if (effect != null) {
            out.put("firework-effect", effect);
        }
    }

    @Override
    void deserializeOwn(Map<?, ?> map) {
        Object e = map.get("firework-effect");
        if (e instanceof FireworkEffect) {
            effect = (FireworkEffect) e;
        }
    }
}
