package net.cubeworks.world.game.mob;

import java.util.Collections;
import java.util.List;

import org.bukkit.entity.Arrow;
import org.bukkit.entity.EntityType;
import org.bukkit.entity.LivingEntity;
import org.bukkit.entity.Player;
import org.bukkit.event.entity.EntityDamageEvent.DamageCause;
import org.bukkit.projectiles.ProjectileSource;

import net.cubeworks.world.game.entity.Living;
import net.cubeworks.world.game.entity.TrackedPosition;
import net.cubeworks.world.game.entity.WorldEntity;
import net.cubeworks.world.game.event.MobEvents;
import net.cubeworks.world.protocol.MobPackets;
import net.cubeworks.world.protocol.PacketOut;

/**
 * An arrow: it flies with gravity (0.05 a tick) and air drag (0.99; 0.8 in water), hurts the
 * first living thing its line meets by its speed times its damage (rounded up) and pushes it,
 * or sticks where it meets a block; a player's stuck arrow is picked up by walking over it; any
 * stuck arrow is gone after a minute.
 */
public final class ArrowEntity extends Shot implements Arrow {
    static final double GRAVITY = 0.05;
    static final int STUCK_TICKS = 1200;

    public double damage = 2;
    public boolean inGround;
    int stuckTicks;
    /** Whether a player may pick it up: shot by a survival player. */
    public boolean pickup;
    boolean critical;
    int knockback;

    public ArrowEntity(Mobs mobs, ProjectileSource shooter, double x, double y, double z) {
        super(mobs, shooter);
        this.x = x;
        this.y = y;
        this.z = z;
        this.pickup = shooter instanceof Player && ((Player) shooter).getGameMode() != org.bukkit.GameMode.CREATIVE;
        sent.reset(this, mobs.tick);
    }

    /** Sets its motion along the direction at the speed, spread by the inaccuracy as the game spreads it. */
    public void aim(double dx, double dy, double dz, float speed, float inaccuracy) {
        double len = Math.sqrt(dx * dx + dy * dy + dz * dz);
        if (len < 1.0E-6) {
            return;
        }
        dx = dx / len + mobs.random.nextGaussian() * 0.0075 * inaccuracy;
        dy = dy / len + mobs.random.nextGaussian() * 0.0075 * inaccuracy;
        dz = dz / len + mobs.random.nextGaussian() * 0.0075 * inaccuracy;
        motionX = dx * speed;
        motionY = dy * speed;
        motionZ = dz * speed;
        turnToMotion();
    }

    private void turnToMotion() {
        double h = Math.sqrt(motionX * motionX + motionZ * motionZ);
        yaw = (float) Math.toDegrees(Math.atan2(motionX, motionZ));
        pitch = (float) Math.toDegrees(Math.atan2(motionY, h));
    }

    public List<PacketOut> spawnPackets(int viewerProtocol) {
        int data = shooter instanceof WorldEntity ? ((WorldEntity) shooter).getEntityId() + 1 : 1;
        return Collections.singletonList(MobPackets.spawnObject(getEntityId(), MobPackets.OBJECT_ARROW,
                TrackedPosition.fixed(x), TrackedPosition.fixed(y), TrackedPosition.fixed(z),
                TrackedPosition.angle(pitch), TrackedPosition.angle(yaw), data, motionX, motionY, motionZ));
    }

    public void tick(long tick) {
        super.tick(tick);
        if (inGround) {
            if (mobs.world.blockAt(Mob.floor(x), Mob.floor(y), Mob.floor(z)) == 0
                    && mobs.world.blockAt(Mob.floor(x - motionX * 0.01), Mob.floor(y), Mob.floor(z)) == 0) {
                inGround = false; // its block is gone: it falls
            } else {
                if (++stuckTicks >= STUCK_TICKS) {
                    markRemoved();
                }
                pickUp();
                return;
            }
        }
        if (ticksLived > 20 * 60 * 2 || y < -64) {
            markRemoved();
            return;
        }
        fly();
    }

    /** One tick of flight: the first thing along the line this tick is hit, else it moves on. */
    void fly() {
        double speed = Math.sqrt(motionX * motionX + motionY * motionY + motionZ * motionZ);
        int steps = Math.max(1, (int) Math.ceil(speed / 0.25));
        for (int i = 1; i <= steps; i++) {
            double f = (double) i / steps;
            double px = x + motionX * f;
            double py = y + motionY * f;
            double pz = z + motionZ * f;
            Living hit = livingAt(px, py, pz);
            if (hit != null) {
                hitEntity(hit, speed);
                return;
            }
            int bx = Mob.floor(px);
            int by = Mob.floor(py);
            int bz = Mob.floor(pz);
            int id = mobs.world.blockAt(bx, by, bz);
            if (id != 0) {
                double top = Shapes.top(id, mobs.world.metaAt(bx, by, bz));
                double bottom = Shapes.bottom(id, mobs.world.metaAt(bx, by, bz));
                if (top > 0 && py - by <= top && py - by >= bottom) {
                    x = px - motionX / steps * 0.5;
                    y = py - motionY / steps * 0.5;
                    z = pz - motionZ / steps * 0.5;
                    inGround = true;
                    critical = false;
                    mobs.world.toNear(x, y, z, 16, net.cubeworks.world.protocol.PlayPackets.namedSoundEffect(
                            "random.bowhit", x, y, z, 1f, 1.2f / (mobs.random.nextFloat() * 0.2f + 0.9f)));
                    MobEvents.projectileHit(mobs.world.host(), this);
                    return;
                }
            }
        }
        x += motionX;
        y += motionY;
        z += motionZ;
        boolean water = Shapes.water(mobs.world.blockAt(Mob.floor(x), Mob.floor(y), Mob.floor(z)));
        double drag = water ? 0.8 : 0.99;
        motionX *= drag;
        motionY = motionY * drag - GRAVITY;
        motionZ *= drag;
        turnToMotion();
    }

    /** The living thing (not its shooter in the first ticks) whose box holds the point. */
    private Living livingAt(double px, double py, double pz) {
        for (WorldEntity e : mobs.world.entities().all()) {
            if (!(e instanceof Living) || e.isRemoved() || ((Living) e).dead
                    || (e == shooter && ticksLived < 5)) {
                continue;
            }
            double w = e instanceof Mob ? ((Mob) e).kind.width / 2 + 0.3 : 0.6;
            double h = e instanceof Mob ? ((Mob) e).kind.height + 0.3 : 2.1;
            if (Math.abs(e.x - px) <= w && Math.abs(e.z - pz) <= w && py >= e.y - 0.3 && py <= e.y + h) {
                if (e instanceof Player && (((Player) e).getGameMode() == org.bukkit.GameMode.CREATIVE)) {
                    continue;
                }
                return (Living) e;
            }
        }
        return null;
    }

    /**
     * A bow's force after the ticks it was drawn: a second's draw is full (1), a shorter one less,
     * as the game bends it ((t^2 + 2t) / 3 of the seconds t); below 0.1 the arrow is not loosed.
     */
    public static float bowForce(int ticks) {
        float t = ticks / 20f;
        t = (t * t + t * 2f) / 3f;
        return Math.min(1f, t);
    }

    /** The game's arrow damage: the speed times the damage, rounded up, and half as much again at random when critical. */
    static int damageOf(double speed, double damage, boolean critical, double random) {
        int d = (int) Math.ceil(speed * damage);
        if (critical) {
            d += (int) (random * (d / 2 + 2));
        }
        return d;
    }

    private void hitEntity(Living hit, double speed) {
        int amount = damageOf(speed, damage, critical, mobs.random.nextDouble());
        MobEvents.projectileHit(mobs.world.host(), this);
        boolean hurt;
        double h = Math.sqrt(motionX * motionX + motionZ * motionZ);
        if (hit instanceof Player) {
            Player p = (Player) hit;
            String by = shooter instanceof Mob ? ((Mob) shooter).kind.savedId
                    : shooter instanceof Player ? ((Player) shooter).getName() : "Arrow";
            hurt = mobs.world.hurtPlayer(p, this, amount, true, p.getName() + " was shot by " + by);
            if (hurt && h > 0 && knockback > 0) {
                mobs.world.pushPlayer(p, motionX * knockback * 0.6 / h, 0.1, motionZ * knockback * 0.6 / h);
            }
        } else if (hit instanceof Mob) {
            hurt = ((Mob) hit).hurt(amount, this, DamageCause.PROJECTILE);
        } else {
            ((LivingEntity) hit).damage(amount, this);
            hurt = true;
        }
        if (hurt) {
            markRemoved();
        } else {
            // it glances off
            motionX *= -0.1;
            motionY *= -0.1;
            motionZ *= -0.1;
            yaw += 180;
        }
    }

    /** A player standing on a stuck arrow that may be picked up takes it. */
    private void pickUp() {
        if (!pickup) {
            return;
        }
        for (Player p : mobs.players()) {
            org.bukkit.Location l = p.getLocation();
            if (Math.abs(l.getX() - x) < 1.5 && Math.abs(l.getZ() - z) < 1.5 && y - l.getY() > -0.5 && y - l.getY() < 2.5
                    && mobs.world.give(p, 262, 1)) {
                markRemoved();
                return;
            }
        }
    }

    // --- the plugin API's members ---

    public EntityType getType() {
        return EntityType.ARROW;
    }

    public int getKnockbackStrength() {
        return knockback;
    }

    public void setKnockbackStrength(int k) {
        knockback = Math.max(0, k);
    }

    public boolean isCritical() {
        return critical;
    }

    public void setCritical(boolean c) {
        critical = c;
    }
}
